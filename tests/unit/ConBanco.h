#pragma once

// The fixture of the logic tests: the Velmos a test opens on the scripted
// platform, and, when the test ends, the one check that every box answer and
// every draw it scripted was used. A draw left over means the logic drew less
// than the test thought, which a later step would otherwise take as its own.

#include "Apoyo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace auguron::prueba {

class ConBanco : public testing::Test {
protected:
    Banco& banco(std::uint64_t semilla = 0) {
        m_bancos.push_back(std::make_unique<Banco>(semilla));
        return *m_bancos.back();
    }

    void TearDown() override {
        for (std::size_t i = 0; i < m_bancos.size(); ++i) {
            const Banco& b = *m_bancos[i];
            EXPECT_EQ(b.p.respuestas.size(), 0u) << "box answers left unused in Velmo " << i + 1;
            EXPECT_EQ(b.azar.tiradas.size(), 0u) << "draws left unused in Velmo " << i + 1;
        }
    }

private:
    std::vector<std::unique_ptr<Banco>> m_bancos;
};

} // namespace auguron::prueba

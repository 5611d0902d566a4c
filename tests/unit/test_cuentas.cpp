#include "answer/Cuentas.h"

#include <gtest/gtest.h>

#include <climits>

namespace auguron {
namespace {

TEST(FormatearCuenta, SpaceBeforeNonNegativeMinusInsteadForNegative) {
    const struct {
        int cuenta;
        const char* esperado;
    } casos[] = {
        {0, " 0"}, {12, " 12"}, {-3, "-3"}, {32767, " 32767"}, {-32768, "-32768"}, {INT_MIN, "-2147483648"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(formatearCuenta(c.cuenta), c.esperado) << "cuenta " << c.cuenta;
    }
}

TEST(FormatearCuenta, TotalsBeyondSixteenBitsHaveNoGrouping) {
    EXPECT_EQ(formatearCuenta(131068), " 131068");
    EXPECT_EQ(formatearCuenta(1234567), " 1234567");
    EXPECT_EQ(formatearCuenta(-65536), "-65536");
}

} // namespace
} // namespace auguron

#include "platform/qt/Ansi1252.h"

#include "util/Ansi.h"

namespace auguron::ansi1252 {

namespace {

// Walks the text by code point; an unpaired surrogate is reported as itself.
template <typename F> void porCaracter(const QString& texto, F&& f) {
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < n && texto.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, texto.at(i + 1)));
            ++i;
        } else {
            f(static_cast<char32_t>(c.unicode()));
        }
    }
}

bool esSustituto(char32_t u) {
    return u >= 0xD800 && u <= 0xDFFF;
}

int codigo(char32_t u) {
    return esSustituto(u) ? -1 : ansi::deUnicode(u);
}

} // namespace

QString aQString(std::string_view bytes) {
    QString r;
    r.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char b : bytes) {
        r.append(QChar(static_cast<char16_t>(ansi::aUnicode(static_cast<unsigned char>(b)))));
    }
    return r;
}

std::string deQString(const QString& texto) {
    std::string r;
    r.reserve(static_cast<std::size_t>(texto.size()));
    porCaracter(texto, [&r](char32_t u) {
        if (const int k = codigo(u); k >= 0) {
            r.push_back(static_cast<char>(k));
        }
    });
    return r;
}

std::string deQStringLegible(const QString& texto) {
    std::string r;
    porCaracter(texto.normalized(QString::NormalizationForm_C), [&r](char32_t u) {
        if (const int k = codigo(u); k >= 0) {
            r.push_back(static_cast<char>(k));
            return;
        }
        if (esSustituto(u)) {
            return;
        }
        // Compatibility decomposition: "ă" -> "a" + breve, "ﬁ" -> "fi", a
        // narrow no-break space -> a space. Marks that do not fit are dropped.
        const QString piezas = QString::fromUcs4(&u, 1).normalized(QString::NormalizationForm_KD);
        porCaracter(piezas, [&r](char32_t p) {
            const QChar::Category cat = QChar::category(p);
            const bool marca = cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
                               cat == QChar::Mark_Enclosing;
            if (const int k = codigo(p); k >= 0 && !marca) {
                r.push_back(static_cast<char>(k));
            }
        });
    });
    return r;
}

std::vector<int> codigosTecleados(const QString& texto) {
    std::vector<int> r;
    // A key may deliver a letter and a combining accent separately composed;
    // the precomposed form is what the code page holds.
    porCaracter(texto.normalized(QString::NormalizationForm_C), [&r](char32_t u) {
        if (const int k = codigo(u); k >= 0) {
            r.push_back(k);
        }
    });
    return r;
}

} // namespace auguron::ansi1252

// Windows-1252 <-> QString, and the long date of the user's locale.

#include "platform/qt/Ansi1252.h"
#include "platform/qt/PlataformaQt.h"

#include <QLocale>
#include <QTest>

using namespace auguron;

class PruebaAnsi1252 : public QObject {
    Q_OBJECT

private slots:
    void todosLosCodigosVanYVuelven();
    void posicionesSinAsignarYAltas();
    void codigosTecleados_data();
    void codigosTecleados();
    void loQueNoCabeSeDescartaSinInterrogacion();
    void textoLegibleQuitaAcentosQueNoCaben();
    void fechaLargaDelLocaleSinInterrogacion();
};

void PruebaAnsi1252::todosLosCodigosVanYVuelven() {
    std::string todos;
    for (int c = 0; c < 256; ++c) {
        todos.push_back(static_cast<char>(c));
    }
    const QString q = ansi1252::aQString(todos);
    QCOMPARE(q.size(), 256);
    QCOMPARE(ansi1252::deQString(q), todos);
    const ansi1252::Tecleado t = ansi1252::codigosTecleados(q);
    QVERIFY(t.descartados.empty());
    QCOMPARE(t.codigos.size(), std::size_t{256});
    for (int c = 0; c < 256; ++c) {
        QCOMPARE(t.codigos[static_cast<std::size_t>(c)], c);
    }
}

void PruebaAnsi1252::posicionesSinAsignarYAltas() {
    const struct {
        unsigned char byte;
        char16_t unicode;
    } filas[] = {{0x80, u'€'},   {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
                 {0x9D, 0x009D}, {0x85, u'…'},   {0x8A, u'Š'},   {0x9F, u'Ÿ'},   {0xA0, 0x00A0},
                 {0xD1, u'Ñ'},   {0xF1, u'ñ'},   {0xE1, u'á'},   {0xBF, u'¿'},   {0xFF, u'ÿ'}};
    for (const auto& f : filas) {
        const std::string b(1, static_cast<char>(f.byte));
        QCOMPARE(ansi1252::aQString(b), QString(QChar(f.unicode)));
        QCOMPARE(ansi1252::deQString(QString(QChar(f.unicode))), b);
    }
}

void PruebaAnsi1252::codigosTecleados_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<int>>("codigos");
    QTest::addColumn<QList<uint>>("descartados");

    QTest::newRow("ascii") << QStringLiteral("Hola:") << QList<int>{72, 111, 108, 97, 58} << QList<uint>{};
    QTest::newRow("acentos y eñe") << QStringLiteral("ñá¿") << QList<int>{0xF1, 0xE1, 0xBF} << QList<uint>{};
    QTest::newRow("euro y comillas") << QStringLiteral("€“”") << QList<int>{0x80, 0x93, 0x94}
                                     << QList<uint>{};
    QTest::newRow("emoji entre letras")
        << QStringLiteral("a😀b") << QList<int>{97, 98} << QList<uint>{0x1F600};
    QTest::newRow("chino") << QStringLiteral("中?") << QList<int>{63} << QList<uint>{0x4E2D};
    QTest::newRow("acento combinado")
        << (QStringLiteral("e") + QChar(0x0301)) << QList<int>{0xE9} << QList<uint>{};
    QTest::newRow("sustituto suelto")
        << (QStringLiteral("x") + QChar(0xD83D)) << QList<int>{120} << QList<uint>{0xD83D};
    QTest::newRow("controles") << QString(QChar(1)) + QChar(22) << QList<int>{1, 22} << QList<uint>{};
}

void PruebaAnsi1252::codigosTecleados() {
    QFETCH(QString, texto);
    QFETCH(QList<int>, codigos);
    QFETCH(QList<uint>, descartados);
    const ansi1252::Tecleado t = ansi1252::codigosTecleados(texto);
    QCOMPARE(QList<int>(t.codigos.begin(), t.codigos.end()), codigos);
    QList<uint> d;
    for (const char32_t u : t.descartados) {
        d.append(static_cast<uint>(u));
    }
    QCOMPARE(d, descartados);
}

void PruebaAnsi1252::loQueNoCabeSeDescartaSinInterrogacion() {
    QCOMPARE(ansi1252::deQString(QStringLiteral("¿Sí😀中?")), std::string("\xBFS\xED?"));
    QCOMPARE(ansi1252::deQString(QStringLiteral("😀😀")), std::string());
}

void PruebaAnsi1252::textoLegibleQuitaAcentosQueNoCaben() {
    // "ă" and "ș" are not in the code page: their base letters are; "é" is.
    QCOMPARE(ansi1252::deQStringLegible(QStringLiteral("duminică, 6 decembrie — ș é")),
             std::string("duminica, 6 decembrie \x97 s \xE9"));
    QCOMPARE(ansi1252::deQStringLegible(QStringLiteral("ﬁn") + QChar(0x202F) + QStringLiteral("2026")),
             std::string("fin 2026"));
    QCOMPARE(ansi1252::deQStringLegible(QStringLiteral("2026年12月")), std::string("202612"));
}

void PruebaAnsi1252::fechaLargaDelLocaleSinInterrogacion() {
    // The test's main() set a Romanian time locale, whose day names need "ă".
    const PlataformaQt p;
    const std::string f = p.fechaLarga(std::chrono::sys_days{std::chrono::year{2026} / 12 / 6});
    QCOMPARE(QLocale::system().language(), QLocale::Romanian);
    QCOMPARE(f, std::string("duminica, 6 decembrie 2026"));
    const std::chrono::year_month_day hoy{p.hoy()};
    const QDate d = QDate::currentDate();
    QCOMPARE(static_cast<int>(hoy.year()), d.year());
    QCOMPARE(static_cast<int>(static_cast<unsigned>(hoy.month())), d.month());
    QCOMPARE(static_cast<int>(static_cast<unsigned>(hoy.day())), d.day());
}

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "ro_RO.UTF-8");
    QApplication app(argc, argv);
    PruebaAnsi1252 prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_ansi1252.moc"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "text/Zahlen.h"

namespace quodral {

namespace {

// A double from its bit pattern: covers the whole range, subnormals included.
double ausBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// What the C library makes of the word, in the C locale: a number only when the whole word
// is converted and the value is finite. The oracle for our own reader.
bool cNimmtAn(const std::string& wort, double& wert) {
    if (wort.empty() || std::isspace(static_cast<unsigned char>(wort[0]))) return false;
    char* ende = nullptr;
    wert = std::strtod(wort.c_str(), &ende);
    return ende == wort.c_str() + wort.size() && std::isfinite(wert);
}

}  // namespace

TEST(Rund, FesteNachkommastellenMitVorzeichen) {
    EXPECT_EQ(rund(2.0, 3), "2.000");
    EXPECT_EQ(rund(-0.0004, 3), "-0.000");
    EXPECT_EQ(rund(-0.0, 3), "-0.000");
    EXPECT_EQ(rund(2.5, 0), "2");
    EXPECT_EQ(rund(3.5, 0), "4");
    EXPECT_EQ(rund(-2.5, 0), "-2");
    EXPECT_EQ(rund(1234567.0, 2), "1234567.00");   // no grouping
    EXPECT_EQ(rund(2.0, -1), "2");                  // a negative count is no decimal
}

TEST(Rund, RundetVomGespeichertenWert) {
    // 2.675 is stored as 2.67499999..., 0.125 exactly: only an exact half goes to even.
    EXPECT_EQ(rund(2.675, 2), "2.67");
    EXPECT_EQ(rund(0.125, 2), "0.12");
    EXPECT_EQ(rund(0.375, 2), "0.38");
    EXPECT_EQ(rund(1.0 / 3.0, 14), "0.33333333333333");
}

TEST(Rund, GrosseZahlenUndVieleStellen) {
    const std::string gross = rund(std::numeric_limits<double>::max(), 3);
    EXPECT_EQ(gross.size(), 309u + 4u);
    EXPECT_EQ(gross.substr(0, 6), "179769");
    EXPECT_EQ(gross.substr(gross.size() - 4), ".000");
    // Beyond the last binary digit only zeros follow.
    const std::string klein = rund(std::numeric_limits<double>::denorm_min(), 1100);
    EXPECT_EQ(klein.size(), 1102u);
    EXPECT_EQ(klein.substr(0, 2), "0.");
    EXPECT_EQ(klein.find_first_not_of('0', 2), 325u);   // 4.94e-324: the first digit is decimal 324
    EXPECT_EQ(klein.substr(325, 3), "494");
    EXPECT_EQ(klein[1075], '5');                          // decimal 1074, the last one of 2^-1074
    EXPECT_EQ(klein.find_first_not_of('0', 1076), std::string::npos);
}

TEST(Rund, GleichDerCBibliothek) {
    // The program itself never uses printf for numbers; here it is the yardstick.
    std::mt19937_64 zufall(20240611);
    char puffer[512];
    for (int i = 0; i < 20000; ++i) {
        double x = ausBits(zufall());
        if (!std::isfinite(x) || std::fabs(x) > 1e30) x = std::ldexp(static_cast<double>(zufall() % 100000), -4) - 3000.0;  // many exact halves
        const int n = static_cast<int>(zufall() % 15);
        std::snprintf(puffer, sizeof puffer, "%.*f", n, x);
        ASSERT_EQ(rund(x, n), puffer) << "x bits " << std::hexfloat << x << " n " << n;
    }
}

TEST(Kurzform, EinfacheFormen) {
    EXPECT_EQ(kurzform(2.0), "2.0");
    EXPECT_EQ(kurzform(-3.0), "-3.0");
    EXPECT_EQ(kurzform(0.5), "0.5");
    EXPECT_EQ(kurzform(0.1), "0.1");
    EXPECT_EQ(kurzform(0.0), "0.0");
    EXPECT_EQ(kurzform(-0.0), "-0.0");
    EXPECT_EQ(kurzform(123.456), "123.456");
    EXPECT_EQ(kurzform(0.1 + 0.2), "0.30000000000000004");
}

TEST(Kurzform, ExponentformAusserhalbDesBereichs) {
    EXPECT_EQ(kurzform(1e-5), "1e-05");
    EXPECT_EQ(kurzform(-1.5e-7), "-1.5e-07");
    EXPECT_EQ(kurzform(2.5e17), "2.5e+17");
    EXPECT_EQ(kurzform(1e100), "1e+100");
    // The limits themselves are still plain.
    EXPECT_EQ(kurzform(1e-4), "0.0001");
    EXPECT_EQ(kurzform(0x1p54), "18014398509481984.0");
    EXPECT_EQ(kurzform(std::nextafter(0x1p54, 1e300)), "1.8014398509481988e+16");
    EXPECT_EQ(kurzform(1e16), "10000000000000000.0");
}

TEST(Kurzform, LiestSichAlsDieselbeZahlZurueck) {
    std::mt19937_64 zufall(7);
    for (int i = 0; i < 50000; ++i) {
        const double x = ausBits(zufall());
        if (!std::isfinite(x)) continue;
        const std::string text = kurzform(x);
        const auto zurueck = zahlLesen(text);
        ASSERT_TRUE(zurueck.has_value()) << text;
        ASSERT_EQ(std::memcmp(&*zurueck, &x, sizeof x), 0) << text;   // the sign of zero too
    }
}

TEST(ZahlLesen, DezimaleFormen) {
    EXPECT_EQ(zahlLesen("5"), 5.0);
    EXPECT_EQ(zahlLesen("+5"), 5.0);
    EXPECT_EQ(zahlLesen("-2.5e3"), -2500.0);
    EXPECT_EQ(zahlLesen("0.25"), 0.25);
    EXPECT_EQ(zahlLesen(".5"), 0.5);
    EXPECT_EQ(zahlLesen("5."), 5.0);
    EXPECT_EQ(zahlLesen("1E-2"), 0.01);
    EXPECT_EQ(zahlLesen("1e+2"), 100.0);
    const auto minusNull = zahlLesen("-0");
    ASSERT_TRUE(minusNull);
    EXPECT_TRUE(std::signbit(*minusNull));
}

TEST(ZahlLesen, HexadezimaleFormen) {
    EXPECT_EQ(zahlLesen("0x10"), 16.0);
    EXPECT_EQ(zahlLesen("0X1A"), 26.0);
    EXPECT_EQ(zahlLesen("0x1.8p1"), 3.0);
    EXPECT_EQ(zahlLesen("-0X.8P-2"), -0.125);
    EXPECT_EQ(zahlLesen("+0xff"), 255.0);
    EXPECT_FALSE(zahlLesen("0x"));
    EXPECT_FALSE(zahlLesen("0x1p"));
    EXPECT_FALSE(zahlLesen("0xg"));
    EXPECT_FALSE(zahlLesen("0x-5"));
    EXPECT_FALSE(zahlLesen("0x1e+5"));   // "e" is a hex digit, the "+" then ends nothing
    // The decimal-only reader refuses them.
    EXPECT_FALSE(dezimalzahlLesen("0x10"));
    EXPECT_EQ(dezimalzahlLesen("-2.5e3"), -2500.0);
}

TEST(ZahlLesen, KeineZahlen) {
    for (const char* wort : {"", "1,5", "5 cm", " 5", "5 ", "+-5", "--5", "-", "+", ".", "e5", "1e", "1e+", "1.2.3",
                             "drei", "1_000", "nan", "NaN", "-nan", "inf", "-Infinity", "1e999", "-1e999",
                             "0x1p2000", "1e99999999999999999999"})
        EXPECT_FALSE(zahlLesen(wort)) << '"' << wort << '"';
}

TEST(ZahlLesen, ZuKleineZahlenWerdenNull) {
    const auto klein = zahlLesen("-1e-400");
    ASSERT_TRUE(klein);
    EXPECT_EQ(*klein, 0.0);
    EXPECT_TRUE(std::signbit(*klein));
    EXPECT_EQ(zahlLesen("0.0000001e-99999999999"), 0.0);
    EXPECT_EQ(zahlLesen("4e-320"), 4e-320);   // subnormal, not zero
}

TEST(ZahlLesen, WieDieCKonvertierung) {
    // Our reader must agree with the C library's conversion on the whole word, except that a
    // value that is not finite is no number.
    const char* worte[] = {"5", "+5", "-5", ".5", "5.", "-.5e-3", "1e308", "1.8e308", "2e-324", "3e-324",
                           "0x1p-1075", "0x1p-1074", "0x1.fffffffffffffp1023", "0x1p1024", "00012", "0.000",
                           "1e0000000000000000000001", "0x.p1", "0x1P+3", "1.e5", ".e5", "0e999999", "999999",
                           "12345678901234567890123", "1,5", "1e-5 ", "0x", "INF", "nan(1)", "0xABCdef.8p-4"};
    for (const char* w : worte) {
        double erwartet = 0.0;
        const bool c = cNimmtAn(w, erwartet);
        const auto ist = zahlLesen(w);
        ASSERT_EQ(ist.has_value(), c) << w;
        if (c) {
            EXPECT_EQ(std::memcmp(&*ist, &erwartet, sizeof erwartet), 0) << w;
        }
    }
}

TEST(GanzzahlLesen, VorzeichenUndZiffern) {
    EXPECT_EQ(ganzzahlLesen("-3"), -3);
    EXPECT_EQ(ganzzahlLesen("+7"), 7);
    EXPECT_EQ(ganzzahlLesen("0"), 0);
    EXPECT_EQ(ganzzahlLesen("007"), 7);
    EXPECT_EQ(ganzzahlLesen("9223372036854775807"), std::numeric_limits<long long>::max());
    EXPECT_EQ(ganzzahlLesen("-9223372036854775808"), std::numeric_limits<long long>::min());
    for (const char* wort : {"3.0", "", "drei", "+", "-", "+-3", "-+3", "1e3", "0x10", " 3", "3 ", "9223372036854775808",
                             "-9223372036854775809"})
        EXPECT_FALSE(ganzzahlLesen(wort)) << '"' << wort << '"';
}

TEST(ZahlenUnterDeutschemGebietsschema, BleibenBeimPunkt) {
    const char* gesetzt = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (gesetzt == nullptr) GTEST_SKIP() << "Auf diesem Rechner fehlt das Gebietsschema de_DE.UTF-8.";
    // The locale really writes a decimal comma, so the test means something.
    const std::string komma = std::localeconv()->decimal_point;
    const std::string r = rund(1.5, 3);
    const std::string k = kurzform(0.5);
    const std::string e = kurzform(2.5e17);
    const auto z = zahlLesen("1.5");
    const auto zk = zahlLesen("1,5");
    const auto g = ganzzahlLesen("+7");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(komma, ",");
    EXPECT_EQ(r, "1.500");
    EXPECT_EQ(k, "0.5");
    EXPECT_EQ(e, "2.5e+17");
    EXPECT_EQ(z, 1.5);
    EXPECT_FALSE(zk);
    EXPECT_EQ(g, 7);
}

}  // namespace quodral

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
#include <tuple>

#include "text/Zahlen.h"

namespace quodral {

namespace {

// A double from its bit pattern: covers the whole range, subnormals included.
double ausBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

bool gleicheBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }  // the sign of zero too

// The yardsticks: the C library's conversions, held to the C locale whatever the process's
// locale is; the program itself never uses printf or strtod for numbers.
std::string cFest(double x, int n) {
    const ImCGebietsschema c;
    std::string puffer(1500, '\0');
    puffer.resize(static_cast<std::size_t>(std::snprintf(puffer.data(), puffer.size(), "%.*f", n, x)));
    return puffer;
}

// A number only when the whole word is converted and the value is finite.
bool cNimmtAn(const std::string& wort, double& wert) {
    if (wort.empty() || std::isspace(static_cast<unsigned char>(wort[0]))) return false;
    const ImCGebietsschema c;
    char* ende = nullptr;
    wert = std::strtod(wort.c_str(), &ende);
    return ende == wort.c_str() + wort.size() && std::isfinite(wert);
}

}  // namespace

TEST(Rund, FesteNachkommastellenMitVorzeichen) {
    // The sign of a zero result stays; only an exact half goes to even (2.675 is stored as
    // 2.67499..., 0.125 exactly); no grouping; a negative count is no decimal.
    const std::tuple<double, int, const char*> faelle[] = {
        {2.0, 3, "2.000"},      {-0.0004, 3, "-0.000"}, {-0.0, 3, "-0.000"},           {2.5, 0, "2"},
        {3.5, 0, "4"},          {-2.5, 0, "-2"},        {1234567.0, 2, "1234567.00"},  {2.0, -1, "2"},
        {2.675, 2, "2.67"},     {0.125, 2, "0.12"},     {0.375, 2, "0.38"},            {1.0 / 3.0, 14, "0.33333333333333"}};
    for (const auto& [x, n, text] : faelle) EXPECT_EQ(rund(x, n), text) << x << ' ' << n;
}

TEST(Rund, GleichDerCBibliothek) {
    // The largest number, and the smallest subnormal with every one of its 1074 binary digits.
    EXPECT_EQ(rund(std::numeric_limits<double>::max(), 3), cFest(std::numeric_limits<double>::max(), 3));
    EXPECT_EQ(rund(std::numeric_limits<double>::denorm_min(), 1100),
              cFest(std::numeric_limits<double>::denorm_min(), 1100));
    std::mt19937_64 zufall(20240611);
    for (int i = 0; i < 20000; ++i) {
        double x = ausBits(zufall());
        if (!std::isfinite(x) || std::fabs(x) > 1e30) x = std::ldexp(static_cast<double>(zufall() % 100000), -4) - 3000.0;  // many exact halves
        const int n = static_cast<int>(zufall() % 15);
        ASSERT_EQ(rund(x, n), cFest(x, n)) << "x bits " << std::hexfloat << x << " n " << n;
    }
}

TEST(Kurzform, KuerzesteFormUndExponentform) {
    const std::pair<double, const char*> faelle[] = {
        {2.0, "2.0"}, {-3.0, "-3.0"}, {0.5, "0.5"}, {0.1, "0.1"}, {0.0, "0.0"}, {-0.0, "-0.0"}, {123.456, "123.456"},
        {0.1 + 0.2, "0.30000000000000004"}, {1e-5, "1e-05"}, {-1.5e-7, "-1.5e-07"}, {2.5e17, "2.5e+17"},
        {1e100, "1e+100"},
        // The limits themselves are still plain.
        {1e-4, "0.0001"}, {0x1p54, "18014398509481984.0"}, {1e16, "10000000000000000.0"},
        {std::nextafter(0x1p54, 1e300), "1.8014398509481988e+16"}};
    for (const auto& [x, text] : faelle) EXPECT_EQ(kurzform(x), text);
}

TEST(Kurzform, LiestSichAlsDieselbeZahlZurueck) {
    std::mt19937_64 zufall(7);
    for (int i = 0; i < 50000; ++i) {
        const double x = ausBits(zufall());
        if (!std::isfinite(x)) continue;
        const std::string text = kurzform(x);
        const auto zurueck = zahlLesen(text);
        ASSERT_TRUE(zurueck.has_value()) << text;
        ASSERT_TRUE(gleicheBits(*zurueck, x)) << text;
    }
}

TEST(ZahlLesen, WieDieCKonvertierungAberNurEndlich) {
    // Decimal and hexadecimal forms, signs, underflow to a (signed) zero or a subnormal.
    const char* zahlen[] = {
        "5", "+5", "-5", "-2.5e3", "0.25", ".5", "5.", "1E-2", "1e+2", "-0", "-.5e-3", "1.e5", "00012", "0.000",
        "999999", "12345678901234567890123", "1e308", "1e0000000000000000000001", "0e999999", "-1e-400",
        "0.0000001e-99999999999", "4e-320", "2e-324", "3e-324", "0x10", "0X1A", "0x1.8p1", "-0X.8P-2", "+0xff",
        "0x1P+3", "0xABCdef.8p-4", "0x1p-1075", "0x1p-1074", "0x1.fffffffffffffp1023"};
    // Anything the C library stops short in, and values that are not finite.
    const char* keineZahlen[] = {
        "", "1,5", "5 cm", " 5", "5 ", "1e-5 ", "+-5", "--5", "-", "+", ".", ".e5", "e5", "1e", "1e+", "1.2.3",
        "drei", "1_000", "nan", "NaN", "-nan", "nan(1)", "inf", "INF", "-Infinity", "1e999", "-1e999", "1.8e308",
        "1e99999999999999999999", "0x", "0x.p1", "0x1p", "0xg", "0x-5", "0x1e+5", "0x1p1024", "0x1p2000"};
    for (const char* w : zahlen) {
        double erwartet = 0.0;
        ASSERT_TRUE(cNimmtAn(w, erwartet)) << w;
        const auto ist = zahlLesen(w);
        ASSERT_TRUE(ist.has_value()) << w;
        EXPECT_TRUE(gleicheBits(*ist, erwartet)) << w << " gives " << *ist;
    }
    for (const char* w : keineZahlen) {
        double unbenutzt = 0.0;
        ASSERT_FALSE(cNimmtAn(w, unbenutzt)) << '"' << w << '"';
        EXPECT_FALSE(zahlLesen(w).has_value()) << '"' << w << '"';
    }
    EXPECT_EQ(zahlLesen("0x1.8p1"), 3.0);
    EXPECT_TRUE(std::signbit(zahlLesen("-1e-400").value_or(1)));
    // The decimal-only reader refuses the hexadecimal forms.
    EXPECT_FALSE(dezimalzahlLesen("0x10"));
    EXPECT_EQ(dezimalzahlLesen("-2.5e3"), -2500.0);
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
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    const char* gesetzt = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (gesetzt == nullptr) GTEST_SKIP() << "Auf diesem Rechner fehlt das Gebietsschema de_DE.UTF-8.";
    // The locale really writes a decimal comma, so the test means something.
    const std::string komma = std::localeconv()->decimal_point;
    const std::string texte = rund(1.5, 3) + " " + kurzform(0.5) + " " + kurzform(2.5e17);
    const auto punkt = zahlLesen("1.5");
    const auto mitKomma = zahlLesen("1,5");
    const auto ganz = ganzzahlLesen("+7");
    // A library that reads with strtod (qhull its options) reads the point while the C locale is
    // held, and the German locale is back afterwards.
    double gehalten = 0;
    {
        const ImCGebietsschema c;
        gehalten = std::strtod("0.5", nullptr);
    }
    const double danach = std::strtod("0.5", nullptr);
    std::setlocale(LC_ALL, vorher.c_str());  // back before any check can end the test
    EXPECT_EQ(komma, ",");
    EXPECT_EQ(texte, "1.500 0.5 2.5e+17");
    EXPECT_TRUE(punkt == 1.5 && !mitKomma && ganz == 7);
    EXPECT_EQ(gehalten, 0.5);
    EXPECT_EQ(danach, 0.0);
}

}  // namespace quodral

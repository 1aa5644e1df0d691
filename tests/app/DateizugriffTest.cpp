// Saving never loses the old file: the new text is written beside it and takes its place
// only when it is complete.

#include <csignal>
#include <filesystem>
#include <iterator>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/Dateizugriff.h"

namespace quodral {
namespace {

namespace fs = std::filesystem;

class DateizugriffTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string muster = (fs::temp_directory_path() / "quodral-dateien-XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner = muster;
    }
    void TearDown() override {
        std::error_code fehler;
        fs::remove_all(ordner, fehler);
    }

    static std::string inhalt(const fs::path& pfad) {
        std::ifstream ein(pfad, std::ios::binary);
        std::ostringstream text;
        text << ein.rdbuf();
        return text.str();
    }
    static void schreiben(const fs::path& pfad, const std::string& text) {
        std::ofstream(pfad, std::ios::binary) << text;
    }
    // Only the given files stand in the folder: no half-written file is left behind.
    long dateienImOrdner() const { return std::distance(fs::directory_iterator(ordner), fs::directory_iterator()); }

    fs::path ordner;
};

TEST_F(DateizugriffTest, ErsetztDenInhaltUndBehaeltRechteUndVerknuepfung) {
    const fs::path datei = ordner / "liste.qdl";
    schreiben(datei, "alt&alt&alt&");
    ASSERT_EQ(::chmod(datei.c_str(), 0640), 0);
    EXPECT_FALSE(dateiSicherSchreiben(datei.string(), "a&b&").has_value());
    EXPECT_EQ(inhalt(datei), "a&b&");
    EXPECT_EQ(fs::status(datei).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dateienImOrdner(), 1);

    // Saving through a symbolic link writes its target and keeps the link.
    const fs::path verweis = ordner / "verweis.qdl";
    fs::create_symlink(datei, verweis);
    EXPECT_FALSE(dateiSicherSchreiben(verweis.string(), "neu&").has_value());
    EXPECT_TRUE(fs::is_symlink(verweis));
    EXPECT_EQ(inhalt(datei), "neu&");
}

TEST_F(DateizugriffTest, EinAbgebrochenesSchreibenLaesstDieAlteDatei) {
    const fs::path datei = ordner / "liste.qdl";
    schreiben(datei, "alt&");
    // Writing stops after 8 bytes, as on a full disk.
    struct sigaction alt {};
    struct sigaction ignorieren {};
    ignorieren.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignorieren, &alt), 0);
    rlimit grenze{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &grenze), 0);
    rlimit eng = grenze;
    eng.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &eng), 0);
    const auto grund = dateiSicherSchreiben(datei.string(), std::string(100, 'x') + "&");
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    ::sigaction(SIGXFSZ, &alt, nullptr);

    ASSERT_TRUE(grund.has_value());
    EXPECT_FALSE(grund->empty());
    EXPECT_EQ(inhalt(datei), "alt&");
    EXPECT_EQ(dateienImOrdner(), 1);
}

TEST_F(DateizugriffTest, FehlenderOrdnerUndOrdnerAlsZielGebenEinenGrund) {
    EXPECT_TRUE(dateiSicherSchreiben((ordner / "fehlt" / "liste.qdl").string(), "a&").has_value());
    fs::create_directory(ordner / "ordner.qdl");
    EXPECT_TRUE(dateiSicherSchreiben((ordner / "ordner.qdl").string(), "a&").has_value());
    EXPECT_TRUE(fs::is_directory(ordner / "ordner.qdl"));
    EXPECT_EQ(dateienImOrdner(), 1);
}

TEST_F(DateizugriffTest, LesenGibtDenInhaltOderEinenGrund) {
    const fs::path datei = ordner / "Würfel mit Diagonalen.qdl";
    const std::string text = std::string("a&&b&\xff") + std::string(100000, 'z');
    schreiben(datei, text);
    const Leseergebnis gelesen = dateiLesen(datei.string());
    ASSERT_TRUE(gelesen.inhalt.has_value());
    EXPECT_EQ(*gelesen.inhalt, text);
    EXPECT_TRUE(dateiVorhanden(datei.string()));
    EXPECT_FALSE(dateiVorhanden((ordner / "fehlt.qdl").string()));

    // Only regular files are read: a device reads as an empty text or never ends, and a pipe
    // without a writer would wait for one; neither is a statement list.
    const fs::path rohr = ordner / "rohr.qdl";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    for (const fs::path& pfad : {ordner / "fehlt.qdl", ordner, fs::path("/dev/null"), rohr}) {
        const Leseergebnis fehler = dateiLesen(pfad.string());
        EXPECT_FALSE(fehler.inhalt.has_value()) << pfad;
        EXPECT_FALSE(fehler.grund.empty()) << pfad;
    }
}

}  // namespace
}  // namespace quodral

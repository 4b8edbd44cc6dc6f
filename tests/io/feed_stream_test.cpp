#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/machine.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/printer.h"

namespace q417 {
namespace {

// Every way of cutting a text in two, and random cuts into many pieces.
std::vector<std::vector<std::string>> Cuts(const std::string& text, std::mt19937& rng) {
    std::vector<std::vector<std::string>> cuts;
    for (std::size_t at = 0; at <= text.size(); ++at)
        cuts.push_back({text.substr(0, at), text.substr(at)});
    for (int n = 0; n < 20; ++n) {
        std::vector<std::string> pieces;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t len = rng() % 5;
            pieces.push_back(text.substr(at, len));
            at += len;
        }
        cuts.push_back(pieces);
    }
    return cuts;
}

TEST(Utf8Stream, PiecesDecodeAndFailExactlyAsTheWhole) {
    const std::string texts[] = {
        "ПРИВЕТ, мир!\r\n",
        "\xEF\xBB\xBFБОМ и текст",  // a byte-order mark is dropped, offsets count after it
        "\xEF\xBB",                 // only the start of one
        "ab\xEF\xBB\xBF",           // a mark later is a character without a code page byte
        "ok \xD0",                  // cut short at the end
        "ok \xD0x",                 // a lead byte without its continuation
        "\xE0\x80\x80 overlong",
        "€ and № and \xF0\x9F\x98\x80 (no byte for it)",
        "\xFF",
    };
    std::mt19937 rng(1);
    for (const std::string& text : texts) {
        std::string_view body = text;
        if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
        std::string whole, whole_error;
        const bool whole_ok = Utf8ToCp1251(body, whole, whole_error);
        for (const auto& pieces : Cuts(text, rng)) {
            Utf8ToCp1251Stream stream;
            std::string out, error;
            bool ok = true;
            for (const std::string& piece : pieces) ok = ok && stream.Put(piece, out, error);
            ok = ok && stream.Finish(out, error);
            ASSERT_EQ(ok, whole_ok) << text;
            if (ok)
                EXPECT_EQ(out, whole) << text;
            else
                EXPECT_EQ(error, whole_error) << text;
        }
    }
}

// The output text, the key-press count and the rotor positions after feeding.
std::string Fingerprint(Machine& m, const std::string& output) {
    std::string f = output + "|" + std::to_string(m.settings.Tech);
    for (int slot = 1; slot <= 10; ++slot) f += " " + std::to_string(m.rotors.Slot(slot).Position);
    return f;
}

std::string FedWhole(const MachineSettings& s, const std::string& text) {
    Machine m;
    m.settings = s;
    m.StartUp();
    Printer printer(m);
    m.SetOutputStage(&printer);
    TextFeed feed;
    LoadText(m, printer, feed, text);
    FeedToEnd(m, feed);  // the start key again after every asterisk stop
    return Fingerprint(m, printer.OutputText());
}

std::string FedInPieces(const MachineSettings& s, const std::vector<std::string>& pieces) {
    Machine m;
    m.settings = s;
    m.StartUp();
    Printer printer(m);
    m.SetOutputStage(&printer);
    std::string output;
    StreamFeed feed(m);
    for (const std::string& piece : pieces) {
        feed.Put(piece);
        output += printer.OutputText();
        printer.ClearTexts();
    }
    feed.Finish();
    EXPECT_FALSE(m.state.InputTextLoaded);
    EXPECT_TRUE(printer.InputText().empty());
    return Fingerprint(m, output + printer.OutputText());
}

TEST(StreamFeed, PiecesFeedExactlyAsTheWholeText) {
    auto cp = [](const char* utf8) {
        std::string bytes, error;
        EXPECT_TRUE(Utf8ToCp1251(utf8, bytes, error)) << error;
        return bytes;
    };
    const std::string texts[] = {
        cp("АБ*ВГ\r\nДЕ\nЖЗ\rИК\r\n"),
        cp("\r\n\r\n*\n\r*"),
        cp("ОДНА СТРОКА\r"),
        cp("*"),
        cp("\n"),
        "",
        cp("A B*C D\r\r\nЯ"),
    };
    MachineSettings decipher, ten_keys, latin;
    decipher.Rod = Work::Decipher;
    ten_keys.Module = AlphabetModule::Figures10;
    ten_keys.Rod = Work::Encipher;
    latin.Layot = KeyboardLayout::German;
    latin.Wheel = PrintWheel::German;
    latin.Rod = Work::Encipher;
    latin.Divider = true;
    std::mt19937 rng(2);
    for (const MachineSettings& s : {MachineSettings{}, decipher, ten_keys, latin})
        for (const std::string& text : texts) {
            const std::string whole = FedWhole(s, text);
            for (const auto& pieces : Cuts(text, rng))
                ASSERT_EQ(FedInPieces(s, pieces), whole) << text;
        }
}

}  // namespace
}  // namespace q417

// The automatic typing through the real loader, start and stop keys, checked against the
// feed the command-line tool runs on a bare machine.
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "ui/sprites.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/qt/text_box.h"
#include "io/qt/text_loader_view.h"
#include "io/qt/text_panel.h"
#include "io/text_file.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

class TextFeedTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Restart([&](MachineSettings& s) { s.Sound = false; });
    }
    // Writes a file and loads it as the loader's load button would.
    void LoadFile(const std::string& bytes) {
        const QString path = dir.filePath(QStringLiteral("text.txt"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        f.close();
        Panel().setChoosers([path](auto&&...) { return path; }, {}, {});
        Click(Picture::TextLoader, 150, 20);
    }
    // The start key pressed, and the run it starts let run until it ends.
    void PressStart() {
        QTest::mousePress(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));
        WaitForRunEnd();
    }
    void ReleaseStart() {
        QTest::mouseRelease(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));
    }
    void Start() {
        PressStart();
        ReleaseStart();
    }
    void Stop() { Click(Picture::StopKey, 20, 20); }
    // The stop key pressed from inside the run, once the output has `n` characters.
    void StopAfter(std::size_t n) {
        auto* timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, [this, n, timer] {
            if (Output().size() < n) return;
            timer->stop();
            ReleaseStart();
            Stop();
        });
        timer->start(0);
    }
    TextPanel& Panel() { return window->panels().textPanel(); }
    int32_t Position() { return window->session().feed().FeedPosition; }
    bool Loaded() { return window->session().state().InputTextLoaded; }
    std::size_t Selected() { return Panel().inputBox().selectionStart(); }
};

// What q417-cli feed does: a fresh machine, the text loaded, the start key again after every
// asterisk until the text is used up.
std::string CliFeed(const MachineSettings& settings, const std::string& file) {
    Machine m;
    m.settings = settings;
    m.StartUp();
    Printer printer(m);
    m.SetOutputStage(&printer);
    TextFeed feed;
    LoadText(m, printer, feed, DecodeTextFile(file));
    FeedToEnd(m, feed);
    return printer.OutputText();
}

struct SameAsCli {
    int machine, rod, layot, module, plug;
    const char* text;  // UTF-8
};

class WindowFeed : public TextFeedTest, public ::testing::WithParamInterface<SameAsCli> {};

TEST_P(WindowFeed, GivesWhatTheCommandLineGives) {
    const SameAsCli c = GetParam();
    Restart([&](MachineSettings& s) {
        s.Machine = *SettingFromStored<Model>(c.machine);
        s.Rod = *SettingFromStored<Work>(c.rod);
        s.Layot = *SettingFromStored<KeyboardLayout>(c.layot);
        s.Wheel = WheelOf(s.Layot);
        s.Module = *SettingFromStored<AlphabetModule>(c.module);
        s.Plug = *SettingFromStored<AlphabetPlug>(c.plug);
    });
    std::string file(c.text);
    for (int i = 0; i < 200; ++i) file += c.text;  // long enough to span several frames
    LoadFile(file);
    while (Loaded()) Start();
    EXPECT_EQ(Output(), CliFeed(S(), file));
    EXPECT_EQ(Panel().outputBox().text(), Output());
    EXPECT_FALSE(window->session().state().AutoRun);
}

INSTANTIATE_TEST_SUITE_P(Texts, WindowFeed,
                         ::testing::Values(SameAsCli{1, 1, 4, 30, 1,
                                                     "ПРИВЕТ МИР\nвторая строка, 123\n"},
                                           SameAsCli{1, 2, 4, 30, 1, "ЖЩЫЁ ЭЮЯ АБВ\r\n"},
                                           SameAsCli{0, 1, 1, 30, 1, "Hello World *again\n"},
                                           SameAsCli{2, 1, 2, 30, 2, "Zażółć gęślą jaźń QWERTY\n"},
                                           SameAsCli{1, 1, 3, 10, 1, "12 345 6*789 0\n"},
                                           SameAsCli{1, 0, 4, 30, 1, "plain ТЕКСТ"}));

TEST_F(TextFeedTest, AnAsteriskStopsTheRunAndTheNextStartGoesOn) {
    Restart([&](MachineSettings& s) {
        s.Layot = KeyboardLayout::German;
        s.Wheel = PrintWheel::German;
        s.Rod = Work::Encipher;
    });
    LoadFile("AB*CD");
    Start();
    EXPECT_EQ(Output().size(), 2u);
    EXPECT_EQ(Position(), 4);  // C highlighted
    EXPECT_EQ(Selected(), 3u);
    EXPECT_TRUE(Loaded());
    Start();
    EXPECT_EQ(Output().size(), 4u);
    EXPECT_FALSE(Loaded());
    EXPECT_FALSE(window->session().startStopKeys().StartStopBusy);
}

TEST_F(TextFeedTest, WhatTheLayoutAndKindOfWorkFeed) {
    struct Row {
        int layot, rod, module;
        const char* text;
        std::size_t printed;
    };
    const Row rows[] = {
        {4, 1, 30, "AБCД", 2},    // Latin letters have no key on the Russian keyboard
        {4, 2, 30, "А Б В", 3},   // spaces skipped when deciphering
        {4, 1, 30, "А Б В", 5},   // and fed when enciphering
        {4, 1, 30, "А\nБ\n", 4},  // a line break is two spaces
        {4, 1, 10, "1a 2Б*", 4},  // ten keys: digits, space and the asterisk
    };
    for (const Row& r : rows) {
        Restart([&](MachineSettings& s) {
            s.Layot = *SettingFromStored<KeyboardLayout>(r.layot);
            s.Wheel = WheelOf(s.Layot);
            s.Rod = *SettingFromStored<Work>(r.rod);
            s.Module = *SettingFromStored<AlphabetModule>(r.module);
        });
        Panel().clearText();
        LoadFile(r.text);
        while (Loaded()) Start();
        EXPECT_EQ(Output().size(), r.printed) << r.text;
    }
}

TEST_F(TextFeedTest, TheStepStripMovesTheHighlightWithoutFeeding) {
    LoadFile("АБВ");
    EXPECT_EQ(Position(), 0);
    Click(Picture::TextLoader, 40, 57);  // back at position 0: stays
    EXPECT_EQ(Position(), 0);
    Click(Picture::TextLoader, 10, 57);  // on: the first character
    EXPECT_EQ(Position(), 1);
    EXPECT_EQ(Selected(), 0u);
    EXPECT_EQ(Panel().inputBox().selectionLength(), 1u);
    Click(Picture::TextLoader, 40, 57);  // back at position 1: stays
    EXPECT_EQ(Position(), 1);
    Click(Picture::TextLoader, 10, 57);
    Click(Picture::TextLoader, 32, 57);  // the gap between the halves
    EXPECT_EQ(Position(), 2);
    EXPECT_EQ(Output(), "");
    Start();
    EXPECT_EQ(Output().size(), 2u);  // Б and В; the closing line break is not fed
    EXPECT_FALSE(Loaded());
}

// A user reading back through a long output loads the next text: the output box stays where
// it was, also when the load is cancelled.
TEST_F(TextFeedTest, ALoadLeavesTheOutputWhereTheUserScrolledIt) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "АБВГД ";
    LoadFile(text);
    while (Loaded()) Start();
    TextBox& out = Panel().outputBox();
    ASSERT_GT(out.lineCount(), 20u);
    out.verticalScrollBar()->setValue(5);
    LoadFile("АБ");
    EXPECT_EQ(out.firstVisibleLine(), 5u);
    Panel().setChoosers([](auto&&...) { return QString(); }, {}, {});
    Click(Picture::TextLoader, 150, 20);
    EXPECT_EQ(out.firstVisibleLine(), 5u);
    EXPECT_EQ(out.text(), Output());
}

// The loader's reading window names the file whose text is loaded, and only inside its paper
// strip; once no file's text is there it reads as painted.
TEST_F(TextFeedTest, TheLoaderNamesTheFileLoaded) {
    const QRect strip(16, 16, 114, 18);
    const QImage plain = Sprites::Get("Image17");
    const auto shown = [this](const QRect& r) { return E(Picture::TextLoader)->image().copy(r); };
    const auto outside_unchanged = [&] {
        QImage now = E(Picture::TextLoader)->image().copy(0, 0, 140, 50);
        QImage was = plain.copy(0, 0, 140, 50);
        QPainter(&now).fillRect(strip, Qt::black);
        QPainter(&was).fillRect(strip, Qt::black);
        return now == was;
    };
    ASSERT_EQ(shown(strip), plain.copy(strip));
    LoadFile("АБ");
    const QImage short_name = shown(strip);
    EXPECT_NE(short_name, plain.copy(strip));
    EXPECT_TRUE(outside_unchanged());
    const QString long_path =
        dir.filePath(QStringLiteral("a-rather-long-name-for-a-text-of-the-machine.txt"));
    QFile f(long_path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("AB");
    f.close();
    ASSERT_TRUE(Panel().loadTextFrom(long_path));
    EXPECT_NE(shown(strip), short_name);
    EXPECT_TRUE(outside_unchanged());
    Panel().clearText();
    EXPECT_EQ(shown(strip), plain.copy(strip));
    LoadFile("АБ");
    Panel().setChoosers([](auto&&...) { return QString(); }, {}, {});
    Click(Picture::TextLoader, 150, 20);  // cancelled: no text, no name
    EXPECT_EQ(shown(strip), plain.copy(strip));
}

TEST_F(TextFeedTest, TheStopKeyEndsARunWithoutText) {
    Restart([&](MachineSettings& s) { s.Rod = Work::Plain; });
    StopAfter(5);
    PressStart();
    EXPECT_FALSE(window->session().state().AutoRun);
    EXPECT_FALSE(window->session().startStopKeys().StartStopBusy);
    ASSERT_GE(Output().size(), 5u);
    EXPECT_EQ(Output(), std::string(Output().size(), Output()[0]));  // contact 28 each time
    EXPECT_EQ(Panel().outputBox().text(), Output());
    EXPECT_EQ(Panel().inputBox().text(), Input());
}

TEST_F(TextFeedTest, ClearingDuringAPauseRunsWithoutText) {
    Restart([&](MachineSettings& s) {
        s.Layot = KeyboardLayout::German;
        s.Wheel = PrintWheel::German;
    });
    LoadFile("AB*CD");
    Start();
    Panel().clearText();
    EXPECT_FALSE(Loaded());
    StopAfter(3);
    PressStart();
    EXPECT_GE(Output().size(), 3u);
    EXPECT_EQ(Panel().outputBox().text(), Output());
}

TEST_F(TextFeedTest, KeysTypedDuringARunAreEnciphered) {
    Restart([&](MachineSettings& s) { s.Rod = Work::Plain; });
    auto* timer = new QTimer(window.get());
    QObject::connect(timer, &QTimer::timeout, [this, timer] {
        if (Output().size() < 3) return;
        timer->stop();
        Type(Qt::Key_F);  // А on the Russian keyboard
        ReleaseStart();
        Stop();
    });
    timer->start(0);
    PressStart();
    EXPECT_NE(Input().find('\xC0'), std::string::npos);
    EXPECT_FALSE(window->session().state().AutoRun);
}

// While the stop key is held the start key is refused.
TEST_F(TextFeedTest, StartIsRefusedWhileTheStopKeyIsHeld) {
    QTest::mousePress(E(Picture::StopKey), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(window->session().startStopKeys().StartStopBusy);
    PressStart();
    EXPECT_EQ(Output(), "");
    EXPECT_FALSE(window->session().Running());
    QTest::mouseRelease(E(Picture::StopKey), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(window->session().startStopKeys().StartStopBusy);
}

TEST_F(TextFeedTest, AWindowClosedDuringARunEndsIt) {
    auto* timer = new QTimer(window.get());
    QObject::connect(timer, &QTimer::timeout, [this, timer] {
        timer->stop();
        window->hide();
    });
    timer->start(0);
    PressStart();
    EXPECT_FALSE(window->session().state().AutoRun);
}

}  // namespace
}  // namespace q417::testing

namespace q417::testing {
namespace {

// With sound on every fed character waits for its step sound; characters without a key
// cost none.
TEST_F(TextFeedTest, WithSoundOnEachFedCharacterPlaysItsStep) {
    Restart([&](MachineSettings& s) { s.Rod = Work::Encipher; });
    LoadFile("АБ QВГ");
    window->session().SetSound(true);
    const int steps = window->host().sound().steps();
    Start();
    EXPECT_EQ(window->host().sound().steps() - steps, 5);
    EXPECT_EQ(Output().size(), 5u);
}

}  // namespace
}  // namespace q417::testing

#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/qt/counter_lever.h"
#include "app/window/main_window.h"
#include "ui/picture_element.h"
#include "app/qt/rotor_stack_view.h"
#include "key/qt/key_box.h"

namespace q417::testing {

// A fresh machine window on a settings file of its own, errors collected instead of shown.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }

    void Open() {
        window.reset();
        window = std::make_unique<MainWindow>(SettingsPath());
        window->host().setErrorReporter([this](const QString& m) { errors << m; });
        window->show();
    }
    QString SettingsPath() const { return dir.filePath("Q417.INI"); }
    PictureElement* E(Picture p) const { return &window->host().picture(p); }
    const MachineSettings& S() const { return window->session().settings(); }
    // The machine started afresh on changed settings, as a start-up that read them from the
    // settings file: the basic key, the diagonal card, empty texts.
    template <typename Change>
    void Restart(Change&& change) {
        MachineSettings s = S();
        change(s);
        window->session().StartUp(s);
    }

    void Click(Picture p, int x, int y) {
        QTest::mouseClick(E(p), Qt::LeftButton, {}, QPoint(x, y));
    }
    void Move(QWidget* w, int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    void Type(Qt::Key key) {
        QTest::keyPress(window.get(), key);
        QTest::keyRelease(window.get(), key);
    }
    // The start key's run goes on from the event loop: lets it run out (or be stopped).
    void WaitForRunEnd() {
        for (int turns = 0; window->session().Running() && turns < 10'000'000; ++turns)
            QCoreApplication::processEvents();
        ASSERT_FALSE(window->session().Running());
    }
    std::string Output() const { return window->session().printer().OutputText(); }
    std::string Input() const { return window->session().printer().InputText(); }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
    QStringList errors;
};

}  // namespace q417::testing

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <exception>

#include "app/interface_language.h"
#include "app/window/main_window.h"
#include "ui/dialogs.h"
#include "app/qt/settings_location.h"
#include "ui/sprites.h"
#include "app/qt/translations.h"

namespace {

// The simulator's application object. An error that escapes any event handler is shown in
// a message box with the program's title, and the program goes on with the next event.
class Q417Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowError(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            ShowError(QCoreApplication::translate("Window", "Unknown error."));
        }
        return false;
    }

    static void ShowError(const QString& message) {
        q417::ShowError(QApplication::activeWindow(), message);
    }
};

QIcon ProgramIcon() {
    QIcon icon;
    for (const char* name : {"icon32", "icon64", "icon128", "icon256"}) {
        const QImage& image = q417::Sprites::Get(name);
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// The program's icon is given once the window has painted its first frame: turning the four
// sizes into the window system's icon property costs as much as a quarter of starting a plain
// window, and nobody sees the icon before the window itself.
class IconAfterFirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(ProgramIcon());
                deleteLater();
            });
        }
        return false;
    }
};

}  // namespace

// The program takes no arguments: everything it needs is in its settings file.
int main(int argc, char** argv) {
    // Whole scale factors keep the sprites sharp on a high-density screen.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    Q417Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Q-417"));
    QApplication::setOrganizationName(QStringLiteral("Q417"));
    // Lets desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("q417"));
    QApplication::setApplicationDisplayName(QStringLiteral("Q-417"));
    // The language kept in the settings file, or the desktop's: chosen before any panel is
    // made, since each takes its words as it is made.
    const QString settings = q417::SettingsFilePath();
    q417::UseLanguage(settings.isEmpty() ? q417::InterfaceLanguage::Automatic
                                         : q417::ReadInterfaceLanguage(settings.toStdString()));

    std::unique_ptr<q417::MainWindow> window;
    try {
        window = std::make_unique<q417::MainWindow>(settings);
    } catch (const std::exception& e) {
        // Without a machine there is nothing to go on with: the program ends once the
        // message is read.
        Q417Application::ShowError(QString::fromLocal8Bit(e.what()));
        QApplication::setQuitOnLastWindowClosed(false);
        q417::AfterErrorsDismissed(&app, [] { QApplication::exit(1); });
        return app.exec();
    }
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->installEventFilter(new IconAfterFirstFrame(&app));
    window->show();
    window->activateWindow();
    window->setFocus();
    for (const QString& message : window->host().startupErrors())
        q417::ShowError(window.get(), message);
    return app.exec();
}

#include "app/qt/settings_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "app/machine_switches.h"
#include "app/qt/about_panel.h"
#include "ui/picture_element.h"
#include "ui/view_host.h"
#include "core/qt/machine_frames.h"
#include "io/qt/panel_glyphs.h"

namespace q417 {

namespace {

QRadioButton* Radio(const QString& text, const QString& name, QButtonGroup* group, int id,
                    QWidget* parent) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    group->addButton(b, id);
    return b;
}

// A framed group with its choices one below the other.
QGroupBox* Group(const QString& caption, const QRect& place, QWidget* parent) {
    auto* g = new QGroupBox(caption, parent);
    g->setGeometry(place);
    auto* layout = new QVBoxLayout(g);
    layout->setContentsMargins(3, 2, 1, 2);
    layout->setSpacing(0);
    return g;
}

QToolButton* SmallButton(const QString& name, Glyph glyph, int x, int y, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setGeometry(x, y, 16, 16);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(PanelGlyph(glyph));
    b->setIconSize(QSize(12, 12));
    return b;
}

}  // namespace

SettingsPanel::SettingsPanel(ViewHost& window)
    : QWidget(&window.hostWidget()), window_(window), session_(window.session()) {
    setObjectName(QStringLiteral("SPanel0"));
    setGeometry(6, 4, 320, 157);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    // Disabled captions stay legible on the silver panel.
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    setPalette(pal);
    // The panel's small captions: the groups are laid out for an 8-point dialog font.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    BuildModelRow();
    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("SPanel2"));
    body_->setGeometry(2, 23, 316, 132);
    BuildSeries(body_);
    BuildKeyboardAndWheel(body_);
    BuildChecksAndModule(body_);
    BuildLanguage(body_);
    close_ = SmallButton(QStringLiteral("SpeedButton5"), Glyph::Close, 297, 5, this);
    about_button_ = SmallButton(QStringLiteral("SpeedButton6"), Glyph::About, 274, 5, this);
    about_button_->setToolTip(QCoreApplication::translate("Settings", "about"));
    connect(close_, &QToolButton::clicked, this, [this] { closePanel(); });
    about_ = std::make_unique<AboutPanel>(this);
    connect(about_button_, &QToolButton::clicked, this, [this] {
        about_->show();
        about_->raise();
    });
    setEnabled(false);
    hide();
}

SettingsPanel::~SettingsPanel() = default;

void SettingsPanel::Guard(const std::function<void()>& action) {
    Guarded(window_, action);
}

void SettingsPanel::BuildModelRow() {
    model_row_ = new QWidget(this);
    model_row_->setObjectName(QStringLiteral("SPanel1"));
    model_row_->setGeometry(2, 2, 271, 20);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(13);
    model_row_->setFont(bold);
    model_group_ = new QButtonGroup(this);
    // Three captions in bold share 271 pixels: each button as wide as it needs.
    // A style sheet sets its own colours: the disabled captions get the panel's legible grey
    // again, as the series captions below have it.
    model_row_->setStyleSheet(
        QStringLiteral("QRadioButton { spacing: 2px; }"
                       "QRadioButton:disabled { color: rgb(128, 128, 128); }"));
    int x = 2;
    for (int t = 0; t < 3; ++t) {
        auto* b = Radio(QString::fromLatin1(kMachineNames[t]),
                        QStringLiteral("RadioButton%1").arg(t + 1), model_group_, t, model_row_);
        const int w = std::min(b->sizeHint().width(), 271 - x);
        b->setGeometry(x, 1, w, 18);
        x += w + 4;
    }
    connect(model_group_, &QButtonGroup::idClicked, this,
            [this](int t) { Guard([&] { RadioButton1Click(t); }); });
}

void SettingsPanel::BuildSeries(QWidget* parent) {
    series_ = Group(QCoreApplication::translate("Settings", " Rotor series "), QRect(3, 2, 100, 87), parent);
    series_->setObjectName(QStringLiteral("GroupBox1"));
    series_group_ = new QButtonGroup(this);
    const char* captions[3] = {QT_TRANSLATE_NOOP("Settings", "3K (Polish)"),
                               QT_TRANSLATE_NOOP("Settings", "4K (German)"),
                               QT_TRANSLATE_NOOP("Settings", "6K (Czech)")};
    const int tags[3] = {3, 4, 6};
    for (int i = 0; i < 3; ++i) {
        auto* b =
            Radio(QCoreApplication::translate("Settings", captions[i]),
                  QStringLiteral("RadioButton%1").arg(4 + i),
                  series_group_, tags[i], series_);
        series_->layout()->addWidget(b);
    }
    // The 4K series has no tables: its button is there, but never usable.
    series_group_->button(4)->setEnabled(false);
    connect(series_group_, &QButtonGroup::idClicked, this,
            [this](int t) { Guard([&] { RadioButton4Click(t); }); });
}

void SettingsPanel::BuildKeyboardAndWheel(QWidget* parent) {
    keyboard_ = Group(QCoreApplication::translate("Settings", " Keyboard "), QRect(107, 2, 100, 87), parent);
    keyboard_->setObjectName(QStringLiteral("RadioGroup2"));
    keyboard_group_ = new QButtonGroup(this);
    const char* layouts[4] = {
        QT_TRANSLATE_NOOP("Settings", "German"), QT_TRANSLATE_NOOP("Settings", "Polish"),
        QT_TRANSLATE_NOOP("Settings", "Czech"), QT_TRANSLATE_NOOP("Settings", "Russian")};
    for (int i = 0; i < 4; ++i)
        keyboard_->layout()->addWidget(Radio(QCoreApplication::translate("Settings", layouts[i]),
                                             QStringLiteral("Keyboard%1").arg(i), keyboard_group_,
                                             i, keyboard_));
    connect(keyboard_group_, &QButtonGroup::idClicked, this,
            [this](int i) { Guard([&] { RadioGroup2Click(i); }); });

    wheel_ = Group(QCoreApplication::translate("Settings", " Liter wheel "), QRect(211, 2, 100, 50), parent);
    wheel_->setObjectName(QStringLiteral("RadioGroup1"));
    wheel_group_ = new QButtonGroup(this);
    wheel_->layout()->addWidget(
        Radio(QCoreApplication::translate("Settings", "Latin", "print wheel"),
              QStringLiteral("Wheel0"), wheel_group_, 0, wheel_));
    wheel_->layout()->addWidget(
        Radio(QCoreApplication::translate("Settings", "Russian", "print wheel"),
              QStringLiteral("Wheel1"), wheel_group_, 1, wheel_));
    connect(wheel_group_, &QButtonGroup::idClicked, this,
            [this](int i) { Guard([&] { RadioGroup1Click(i); }); });
}

void SettingsPanel::BuildChecksAndModule(QWidget* parent) {
    sound_ = new QCheckBox(QCoreApplication::translate("Settings", "Sound ON"), parent);
    sound_->setObjectName(QStringLiteral("CheckBox1"));
    sound_->move(216, 55);
    divider_ = new QCheckBox(QCoreApplication::translate("Settings", "Divider"), parent);
    divider_->setObjectName(QStringLiteral("CheckBox2"));
    divider_->move(216, 72);
    for (QCheckBox* c : {sound_, divider_}) {
        c->setFocusPolicy(Qt::NoFocus);
        c->adjustSize();
    }
    connect(sound_, &QCheckBox::clicked, this, [this](bool on) { CheckBox1Click(on); });
    connect(divider_, &QCheckBox::clicked, this, [this](bool on) { CheckBox2Click(on); });

    module_ = new QGroupBox(QCoreApplication::translate("Settings", " MODULE "), parent);
    module_->setObjectName(QStringLiteral("GroupBox4"));
    module_->setGeometry(211, 89, 100, 38);
    // Red and black while the module can be chosen; disabled (the Q-417M has one alphabet)
    // the captions keep the panel's grey like every other disabled control.
    QPalette red = module_->palette();
    red.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 0));
    red.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 0));
    module_->setPalette(red);
    module_group_ = new QButtonGroup(this);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < 2; ++i) {
        auto* b = Radio(i == 0 ? QStringLiteral("10") : QStringLiteral("30"),
                        QStringLiteral("RadioButton%1").arg(13 + i), module_group_,
                        i == 0 ? 10 : 30, module_);
        b->setGeometry(8 + 46 * i, 16, 42, 18);
        b->setFont(bold);
        QPalette black = red;
        black.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
        black.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
        b->setPalette(black);
    }
    connect(module_group_, &QButtonGroup::idClicked, this,
            [this](int t) { Guard([&] { RadioButton13Click(t); }); });

    plug_ = new PictureElement(QStringLiteral("Image26"), QRect(3, 91, 134, 38), true, parent);
    plug_->onMouseUp = [this](int, int, Qt::MouseButton) { Guard([&] { Image26MouseUp(); }); };
}

// The window's language, between the alphabet plug and the module. The words of every panel
// are set as the panels are made, so a new choice is taken at the next start: a note at the
// list says so when it is chosen, and its hint says so always.
void SettingsPanel::BuildLanguage(QWidget* parent) {
    language_caption_ = new QLabel(QCoreApplication::translate("Settings", "Language"), parent);
    language_caption_->setObjectName(QStringLiteral("LanguageCaption"));
    language_caption_->setGeometry(141, 91, 68, 16);
    language_ = new QComboBox(parent);
    language_->setObjectName(QStringLiteral("Language"));
    language_->setGeometry(141, 107, 68, 20);
    language_->setFocusPolicy(Qt::NoFocus);
    language_->addItem(QCoreApplication::translate("Settings", "Auto"));
    // Each language by its own name, as whoever looks for it knows it.
    language_->addItem(QStringLiteral("English"));
    language_->addItem(QStringLiteral("Русский"));
    language_->addItem(QStringLiteral("Deutsch"));
    language_->setToolTip(QCoreApplication::translate(
        "Settings",
        "The language of the program's words. Auto follows the desktop's language. A change "
        "takes effect at the next start."));
    connect(language_, &QComboBox::activated, this, [this](int index) {
        const auto chosen = static_cast<InterfaceLanguage>(index);
        if (chosen == language_in_settings_) return;
        language_in_settings_ = chosen;
        if (languageChosen) languageChosen(chosen);
        ShowLanguage();
        if (EffectiveLanguage(chosen) != language_in_use_)
            QToolTip::showText(language_->mapToGlobal(QPoint(0, language_->height())),
                               QCoreApplication::translate(
                                   "Settings", "The new language takes effect at the next start."),
                               language_);
    });
}

void SettingsPanel::setLanguage(InterfaceLanguage inSettings, InterfaceLanguage inUse) {
    language_in_settings_ = inSettings;
    language_in_use_ = inUse;
    ShowLanguage();
}

void SettingsPanel::ShowLanguage() {
    language_->setCurrentIndex(static_cast<int>(language_in_settings_));
}

void SettingsPanel::ShowSettingsPanel() {
    setEnabled(true);
    showSettings();
    show();
    raise();
}

// Setting the controls runs no handler: the buttons only answer clicks.
void SettingsPanel::showSettings() {
    const Machine& m = session_.machine();
    const MachineSettings& s = m.settings;
    const SettingsPanelState p =
        SettingsPanelStateFor(s, m.state.MachineClosed, session_.work().RemovedRotors);
    const auto check = [](QButtonGroup* group, int id) {
        if (QAbstractButton* b = group->button(id)) b->setChecked(true);
    };
    check(model_group_, StoredValue(p.model));
    plug_->setVisible(p.plug_visible);
    check(series_group_, StoredValue(p.serie));
    check(keyboard_group_, p.keyboard);
    check(wheel_group_, p.wheel);
    check(module_group_, StoredValue(p.module));
    sound_->setChecked(p.sound);
    divider_->setChecked(p.divider);
    model_row_->setEnabled(p.model_row_enabled);
    DrawPlug(*plug_, s.Plug);
    series_->setEnabled(p.series_enabled);
    wheel_->setEnabled(p.machine_controls_enabled);
    module_->setEnabled(p.machine_controls_enabled);
    plug_->setEnabled(p.machine_controls_enabled);
    plug_->setMouseEnabled(p.machine_controls_enabled);
}

void SettingsPanel::closePanel() {
    setEnabled(false);
    hide();
    window_.focusMachine();
}

// The buttons of the model, series and module rows carry the number of their position.
void SettingsPanel::RadioButton1Click(int machine) {
    if (const auto model = SettingFromStored<Model>(machine))
        window_.reportRefusal(session_.SwitchModel(*model));
}

void SettingsPanel::RadioButton4Click(int serie) {
    if (const auto series = SettingFromStored<RotorSeries>(serie)) session_.SwitchSeries(*series);
}

void SettingsPanel::RadioButton13Click(int module) {
    if (const auto m = SettingFromStored<AlphabetModule>(module))
        window_.reportRefusal(session_.SetModule(*m));
}

void SettingsPanel::RadioGroup1Click(int item) {
    session_.ChooseWheel(item);
}

void SettingsPanel::RadioGroup2Click(int item) {
    session_.ChooseKeyboard(item);
}

void SettingsPanel::CheckBox1Click(bool checked) {
    session_.SetSound(checked);
}

void SettingsPanel::CheckBox2Click(bool checked) {
    session_.SetDivider(checked);
}

void SettingsPanel::Image26MouseUp() {
    window_.reportRefusal(session_.TogglePlug());
}

QAbstractButton* SettingsPanel::button(const QString& name) const {
    return findChild<QAbstractButton*>(name);
}

QWidget* SettingsPanel::part(const QString& name) const {
    return findChild<QWidget*>(name);
}

QAbstractButton* SettingsPanel::keyboardItem(int item) const {
    return keyboard_group_->button(item);
}

QAbstractButton* SettingsPanel::wheelItem(int item) const {
    return wheel_group_->button(item);
}

}  // namespace q417

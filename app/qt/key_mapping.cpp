#include "app/qt/key_mapping.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>
#include <utility>

namespace q417 {

namespace {

// Scan codes (evdev + 8) of the keys at the machine's positions, with the US virtual-key
// codes found there.
constexpr std::array<std::pair<uint32_t, uint16_t>, 32> kScanCodes = {{
    {24, 0x51}, {25, 0x57}, {26, 0x45}, {27, 0x52}, {28, 0x54}, {29, 0x59},  // Q W E R T Y
    {30, 0x55}, {31, 0x49}, {32, 0x4F}, {33, 0x50}, {34, 0xDB}, {35, 0xDD},  // U I O P [ ]
    {38, 0x41}, {39, 0x53}, {40, 0x44}, {41, 0x46}, {42, 0x47}, {43, 0x48},  // A S D F G H
    {44, 0x4A}, {45, 0x4B}, {46, 0x4C}, {47, 0xBA}, {48, 0xDE},              // J K L ; '
    {52, 0x5A}, {53, 0x58}, {54, 0x43}, {55, 0x56}, {56, 0x42}, {57, 0x4E},  // Z X C V B N
    {58, 0x4D}, {59, 0xBC}, {60, 0xBE},                                      // M , .
}};

constexpr uint32_t kSpaceScanCode = 65;
constexpr uint16_t kSpaceVirtualKey = 0x20;
// Codes for keys the machine lacks: above every virtual-key code, unique per key.
constexpr uint16_t kOtherKeyBase = 0x0100;
// How long a release waits for the press of a repeat pair. The server sends both together;
// the press is late only by the toolkit's reading of the connection.
constexpr int kPairWaitMs = 20;

}  // namespace

uint16_t VirtualKeyFromScanCode(uint32_t scanCode) {
    if (scanCode == kSpaceScanCode) return kSpaceVirtualKey;
    for (const auto& [scan, vk] : kScanCodes)
        if (scan == scanCode) return vk;
    return static_cast<uint16_t>(kOtherKeyBase + (scanCode & 0x3FFF));
}

uint16_t VirtualKeyFromQtKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<uint16_t>(qtKey);
    switch (qtKey) {
        case Qt::Key_Space:
            return kSpaceVirtualKey;
        case Qt::Key_BracketLeft:
            return 0xDB;
        case Qt::Key_BracketRight:
            return 0xDD;
        case Qt::Key_Semicolon:
            return 0xBA;
        case Qt::Key_Apostrophe:
            return 0xDE;
        case Qt::Key_Comma:
            return 0xBC;
        case Qt::Key_Period:
            return 0xBE;
        default:
            break;
    }
    // A different code per key, never 0 and never one of the machine's codes.
    return static_cast<uint16_t>(kOtherKeyBase + 0x4000 + (qtKey & 0x3FFF));
}

uint16_t VirtualKeyOf(const QKeyEvent& event) {
    const uint32_t scan = event.nativeScanCode();
    static const bool scanCodesAreEvdev = [] {
        const QString platform = QGuiApplication::platformName();
        return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    }();
    if (scan != 0 && scanCodesAreEvdev) return VirtualKeyFromScanCode(scan);
    return VirtualKeyFromQtKey(event.key());
}

MachineKeyInput::MachineKeyInput(std::function<void(uint16_t, bool)> sink)
    : filter_(std::move(sink)) {
    flush_.setSingleShot(true);
    flush_.setInterval(kPairWaitMs);
    QObject::connect(&flush_, &QTimer::timeout, [this] { filter_.Flush(); });
}

void MachineKeyInput::Handle(const QKeyEvent& event) {
    const uint16_t code = VirtualKeyOf(event);
    const uint64_t time = event.timestamp();
    if (event.type() == QEvent::KeyPress) {
        filter_.Press(code, time, event.isAutoRepeat());
        if (!filter_.ReleasePending()) flush_.stop();
    } else if (event.type() == QEvent::KeyRelease) {
        if (filter_.Release(code, time, event.isAutoRepeat())) flush_.start();
    }
}

}  // namespace q417

// Basic value types shared by the whole framework.
#pragma once

#include <cstdint>
#include <functional>

class TObject {
public:
    virtual ~TObject() = default;
};

// 0x00BBGGRR for an RGB colour; high bit set: a system colour, its index in the low byte.
using TColor = std::int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | unsigned(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16,
                      ssMiddle = 32, ssDouble = 64;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
// A handler may change the key, or set it to 0 to swallow it.
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

#pragma once
// Colour values are laid out $00BBGGRR. A high byte of $FF names a system
// colour (the button face is $FF00000F), resolved by the display layer.

#include <cstdint>

using TColor = uint32_t;

constexpr TColor RGBColour(uint8_t Red, uint8_t Green, uint8_t Blue)
{
    return static_cast<TColor>(Red) | (static_cast<TColor>(Green) << 8) | (static_cast<TColor>(Blue) << 16);
}
constexpr uint8_t RedOf(TColor Colour)
{
    return static_cast<uint8_t>(Colour);
}
constexpr uint8_t GreenOf(TColor Colour)
{
    return static_cast<uint8_t>(Colour >> 8);
}
constexpr uint8_t BlueOf(TColor Colour)
{
    return static_cast<uint8_t>(Colour >> 16);
}
constexpr bool IsSystemColour(TColor Colour)
{
    return (Colour & 0xFF000000u) == 0xFF000000u;
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBtnFace = 0xFF00000F;

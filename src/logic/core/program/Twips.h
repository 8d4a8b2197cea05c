#pragma once

#include <QPoint>
#include <QSize>

// Window and report geometry is given in twips (1/1440 inch); the screen has 15 twips to
// the pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(double twips) {
    return int(twips / TwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}
inline QPoint TwipsToPixels(double left, double top) {
    return {TwipsToPixels(left), TwipsToPixels(top)};
}
inline QSize TwipsSizeToPixels(double width, double height) {
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

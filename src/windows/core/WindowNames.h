#pragma once

#include <QLatin1String>

// The names of the windows: each window's object name and the name the window catalogue
// opens it by.
namespace WindowName {
inline constexpr QLatin1String BackRest{"BackRest"};
inline constexpr QLatin1String BmpFrm{"BmpFrm"};
inline constexpr QLatin1String EnhXrh{"EnhXrh"};
inline constexpr QLatin1String EpilErgaz{"EpilErgaz"};
inline constexpr QLatin1String EpilKins{"EpilKins"};
inline constexpr QLatin1String Ergaz{"Ergaz"};
inline constexpr QLatin1String ErgazSrch{"ErgazSrch"};
inline constexpr QLatin1String InsErg{"InsErg"};
inline constexpr QLatin1String InterApi{"InterApi"};
inline constexpr QLatin1String InterLinks{"InterLinks"};
inline constexpr QLatin1String InterMyLog{"InterMyLog"};
inline constexpr QLatin1String InterSymplOrar{"InterSymplOrar"};
inline constexpr QLatin1String IstYpob{"IstYpob"};
inline constexpr QLatin1String KenaEnt{"KenaEnt"};
inline constexpr QLatin1String Kins{"Kins"};
inline constexpr QLatin1String KinsSrch{"KinsSrch"};
inline constexpr QLatin1String Lbcalendar{"Lbcalendar"};
inline constexpr QLatin1String Lbenter{"Lbenter"};
inline constexpr QLatin1String Lbprint{"Lbprint"};
inline constexpr QLatin1String Lbscroll{"Lbscroll"};
inline constexpr QLatin1String Manual{"Manual"};
inline constexpr QLatin1String News{"News"};
inline constexpr QLatin1String NewsKeim{"NewsKeim"};
inline constexpr QLatin1String ParamDt{"ParamDt"};
inline constexpr QLatin1String RythmEgk{"RythmEgk"};
} // namespace WindowName

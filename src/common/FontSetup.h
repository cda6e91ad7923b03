#pragma once
// The faces the system names are mapped onto fonts that Debian installs, so the
// editor and its pictures look the same on every machine:
//   "宋体", "SimSun"                      -> "AR PL UMing CN"
//   "Arial"                               -> "Liberation Sans"
//   "Dots All For Now JL", "Dot Matrix"   -> "Liberation Mono" (the printer faces)
// Call once after the QGuiApplication exists.
void installFontSubstitutions();

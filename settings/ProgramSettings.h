// SPDX-License-Identifier: MIT
// Every value the program keeps between runs, each with its reader and writer and the
// default a missing or unreadable value gives. The windows ask these; nothing else spells a
// value name. (The update check's values are in UpdateCheckSettings.h.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Creates the key of the program's values when it is missing; a failure is shown to the
// user once, and every value then reads as its default.
void CreateParameterKey();

// The value names of the ten views' settings strings, in view position order.
inline constexpr const char* kVonKochSettings = "VonKochView";
inline constexpr const char* kMandelbrotSettings = "MandelbrotView";
inline constexpr const char* kHilbertSettings = "HilbertView";
inline constexpr const char* kCesaroSettings = "CesaroView";
inline constexpr const char* kMinkowskiSettings = "MinkowskiView";
inline constexpr const char* kSierpinskiSettings = "SierpinskiView";
inline constexpr const char* kSierpinskiObjSettings = "SierpinskiObjView";
inline constexpr const char* kPeanoSettings = "PeanoView";
inline constexpr const char* kSquareSettings = "SquaresView";
inline constexpr const char* kHeighwaySettings = "HeighwayView";

// A view's settings string (REG_SZ in the parameter key); none when missing or unreadable,
// and the view keeps its defaults. Writing answers the registry's error code.
std::optional<std::string> ReadViewSettings(const std::string& strName);
long WriteViewSettings(const std::string& strName, const std::string& strText);

// "ApplicationLook", a framework profile integer: a look identifier, 210 (Visual Studio
// 2008) when absent.
int ReadApplicationLook();
void WriteApplicationLook(int nLook);

// "ImgListStyle" (REG_DWORD): small thumbnails when its low byte is nonzero, and when the
// value cannot be read.
bool ReadSmallThumbnails();
void WriteSmallThumbnails(bool bSmall);

// "OutputPaneVisible" (REG_DWORD): 1 after the output pane is shown, 0 after it is hidden.
// Written, never read back to restore anything.
void WriteOutputPaneVisible(bool bVisible);

// "LastSaveFolder" (REG_SZ): the folder the picture was last saved in, proposed by the next
// save; none when missing, empty or unreadable.
std::optional<std::string> ReadLastSaveFolder();
void WriteLastSaveFolder(const std::string& strFolder);

// The main window's placement and its docking layout, kept by the framework profile under
// "Workspace"; none when absent.
using CLayoutBytes = std::vector<std::uint8_t>;
std::optional<CLayoutBytes> ReadWindowPlacement();
void WriteWindowPlacement(const CLayoutBytes& placement);
std::optional<CLayoutBytes> ReadDockingState();
void WriteDockingState(const CLayoutBytes& state);

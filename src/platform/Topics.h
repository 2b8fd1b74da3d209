#pragma once

namespace zentrope {

// The topic numbers the program asks the help window for. The Help menu's
// topics are 9992 to 9999; windows, dialogs and messages have 20000 and up;
// the manual's further pages 21000 and up.
namespace Topic {
inline constexpr int License = 9992;
inline constexpr int Overview = 9994;
inline constexpr int Products = 9995;
inline constexpr int Support = 9997;
inline constexpr int Contents = 9998;
inline constexpr int Warranty = 9999;

inline constexpr int MainWindow = 20000;
inline constexpr int FileMenu = 20030;
inline constexpr int EditMenu = 20031;
inline constexpr int OptionsMenu = 20032;
inline constexpr int DroppedFiles = 20034;
inline constexpr int ReturnAddressName = 20036;
inline constexpr int ReturnAddresses = 20038;
inline constexpr int EnvelopeSizeName = 20046;
inline constexpr int EnvelopeSizes = 20048;
inline constexpr int PrintSetup = 20060;

inline constexpr int SeveralEnvelopes = 21001;
inline constexpr int Printing = 21002;
inline constexpr int BarCode = 21003;
inline constexpr int CommandLine = 21004;
inline constexpr int Keyboard = 21005;
inline constexpr int Fonts = 21006;
inline constexpr int Graphic = 21007;
inline constexpr int Files = 21008;
inline constexpr int ImportAddresses = 21010;
inline constexpr int Scripts = 21009;
inline constexpr int PrintPreview = 21012;
inline constexpr int EnvelopeFeed = 21011;
} // namespace Topic

} // namespace zentrope

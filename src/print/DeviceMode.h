#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zentrope {

// The printer's device settings as the settings file keeps them: the fields of
// a Windows device-mode record, with a mask of the fields this printer
// "declares". On Linux a field is declared when Qt carries it to CUPS for the
// current printer (see PrinterDevice.cpp).
struct DeviceMode {
    enum Field : std::uint32_t {
        DM_ORIENTATION = 0x1,
        DM_PAPERSIZE = 0x2,
        DM_PAPERLENGTH = 0x4,
        DM_PAPERWIDTH = 0x8,
        DM_SCALE = 0x10,
        DM_COPIES = 0x100,
        DM_DEFAULTSOURCE = 0x200,
        DM_PRINTQUALITY = 0x400,
        DM_COLOR = 0x800,
        DM_DUPLEX = 0x1000,
    };
    // Values of the fields that carry codes.
    static constexpr std::int16_t OrientPortrait = 1, OrientLandscape = 2;
    static constexpr std::int16_t ColorMonochrome = 1, ColorColor = 2;
    static constexpr std::int16_t DuplexSimplex = 1, DuplexVertical = 2, DuplexHorizontal = 3;
    static constexpr std::int16_t PaperUser = 256; // a custom size: see PaperLength/PaperWidth

    std::uint32_t Fields = 0;
    std::int16_t Orientation = OrientPortrait;
    std::int16_t PaperSize = 0;
    std::int16_t PaperLength = 0; // tenths of a millimetre
    std::int16_t PaperWidth = 0;  // tenths of a millimetre
    std::int16_t Scale = 100;
    std::int16_t Copies = 1;
    std::int16_t DefaultSource = 0;
    std::int16_t PrintQuality = 0;
    std::int16_t Color = ColorMonochrome;
    std::int16_t Duplex = DuplexSimplex;

    bool has(Field f) const { return (Fields & f) != 0; }
    bool operator==(const DeviceMode &) const = default;

    // One key of section "Printer" per field, in the order they are written.
    struct Key {
        const char *name;
        Field flag;
        std::int16_t DeviceMode::*member;
    };
    static const std::array<Key, 10> &Keys();
};

} // namespace zentrope

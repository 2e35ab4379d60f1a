// Checks the build-time assets beside the executables: the TAVO font is the face the console asks for, has
// the screen symbols drawn in one monospace cell, and the help book is a compiled Qt help file.
// The font tables are read directly so this test needs neither Qt nor FreeType.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wm {
namespace {

const std::string BuildDir = WENDMOOR_BUILD_DIR;

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Just enough of the TrueType format to answer what the console relies on.
class TrueTypeFile {
  public:
    explicit TrueTypeFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::uint32_t u32(std::size_t at) const { return (std::uint32_t{u16(at)} << 16) | u16(at + 2); }
    std::uint16_t u16(std::size_t at) const {
        if (at + 2 > bytes_.size()) throw std::out_of_range("read past the end of the font");
        return static_cast<std::uint16_t>((bytes_[at] << 8) | bytes_[at + 1]);
    }
    std::int16_t i16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }

    // Offset of the table with this tag, if the font has it.
    std::optional<std::size_t> table(const std::string& tag) const {
        const std::uint16_t count = u16(4);
        for (std::size_t record = 12; record < 12 + 16u * count; record += 16) {
            if (std::string(bytes_.begin() + record, bytes_.begin() + record + 4) == tag)
                return u32(record + 8);
        }
        return std::nullopt;
    }

    std::size_t requireTable(const std::string& tag) const {
        const auto at = table(tag);
        if (!at) throw std::runtime_error("font has no '" + tag + "' table");
        return *at;
    }

    // Every family name (name id 1) in the 'name' table, Windows (UTF-16BE) and Macintosh (Roman) alike.
    std::vector<std::string> familyNames() const {
        const std::size_t name = requireTable("name");
        const std::uint16_t count = u16(name + 2);
        const std::size_t strings = name + u16(name + 4);
        std::vector<std::string> result;
        for (std::size_t record = name + 6; record < name + 6 + 12u * count; record += 12) {
            const std::uint16_t platform = u16(record), nameId = u16(record + 6);
            const std::uint16_t length = u16(record + 8), offset = u16(record + 10);
            if (nameId != 1) continue;
            std::string text;
            if (platform == 3) {
                for (std::size_t i = 0; i < length; i += 2)
                    text += static_cast<char>(u16(strings + offset + i));
            } else {
                for (std::size_t i = 0; i < length; ++i)
                    text += static_cast<char>(bytes_.at(strings + offset + i));
            }
            result.push_back(text);
        }
        return result;
    }

    // Glyph id of a BMP code point through the Windows Unicode (3,1) format 4 subtable; 0 when unmapped.
    std::uint16_t glyphFor(std::uint16_t codePoint) const {
        const std::size_t cmap = requireTable("cmap");
        const std::uint16_t subtables = u16(cmap + 2);
        for (std::size_t record = cmap + 4; record < cmap + 4 + 8u * subtables; record += 8) {
            const std::size_t sub = cmap + u32(record + 4);
            if (u16(record) == 3 && u16(record + 2) == 1 && u16(sub) == 4)
                return lookUpFormat4(sub, codePoint);
        }
        throw std::runtime_error("font has no Windows Unicode cmap");
    }

    std::uint16_t advanceOf(std::uint16_t glyph) const {
        const std::uint16_t longMetrics = u16(requireTable("hhea") + 34);
        const std::size_t hmtx = requireTable("hmtx");
        return u16(hmtx + 4u * (glyph < longMetrics ? glyph : longMetrics - 1));
    }

    bool isFixedPitch() const { return u32(requireTable("post") + 12) != 0; }

    struct Outline {
        std::size_t length; // bytes of outline data; 0 for a glyph with nothing drawn
        std::int16_t xMin, xMax;
    };

    Outline outlineOf(std::uint16_t glyph) const {
        const bool longOffsets = i16(requireTable("head") + 50) == 1;
        const std::size_t loca = requireTable("loca");
        const std::size_t start = longOffsets ? u32(loca + 4u * glyph) : 2u * u16(loca + 2u * glyph);
        const std::size_t end =
            longOffsets ? u32(loca + 4u * (glyph + 1)) : 2u * u16(loca + 2u * (glyph + 1));
        if (end <= start) return {0, 0, 0};
        const std::size_t glyf = requireTable("glyf") + start;
        return {end - start, i16(glyf + 2), i16(glyf + 6)};
    }

  private:
    std::uint16_t lookUpFormat4(std::size_t sub, std::uint16_t codePoint) const {
        const std::size_t segments = u16(sub + 6) / 2;
        const std::size_t ends = sub + 14, starts = ends + 2 * segments + 2;
        const std::size_t deltas = starts + 2 * segments, rangeOffsets = deltas + 2 * segments;
        for (std::size_t s = 0; s < segments; ++s) {
            if (u16(ends + 2 * s) < codePoint) continue;
            const std::uint16_t start = u16(starts + 2 * s);
            if (start > codePoint) return 0;
            const std::uint16_t delta = u16(deltas + 2 * s), rangeOffset = u16(rangeOffsets + 2 * s);
            if (rangeOffset == 0) return static_cast<std::uint16_t>(codePoint + delta);
            const std::uint16_t glyph = u16(rangeOffsets + 2 * s + rangeOffset + 2 * (codePoint - start));
            return glyph == 0 ? 0 : static_cast<std::uint16_t>(glyph + delta);
        }
        return 0;
    }

    std::vector<std::uint8_t> bytes_;
};

class TavoFont : public testing::Test {
  protected:
    static void SetUpTestSuite() { font_ = new TrueTypeFile(readFile(BuildDir + "/TAVO.TTF")); }
    static void TearDownTestSuite() {
        delete font_;
        font_ = nullptr;
    }
    static const TrueTypeFile& font() { return *font_; }

  private:
    static inline TrueTypeFile* font_ = nullptr;
};

// The screen symbols: empty engine place, engine facing left, engine facing right, engine returns.
constexpr std::uint16_t SymbolCodes[] = {162, 165, 166, 171};

TEST_F(TavoFont, EveryFamilyNameIsTavo) {
    const auto names = font().familyNames();
    ASSERT_FALSE(names.empty());
    for (const auto& name : names) EXPECT_EQ(name, "TAVO");
}

TEST_F(TavoFont, SymbolsAndLettersAreDrawnInsideOneMonospaceCell) {
    EXPECT_TRUE(font().isFixedPitch());
    const std::uint16_t cell = font().advanceOf(font().glyphFor('W'));
    ASSERT_GT(cell, 0);
    for (std::uint16_t code :
         {std::uint16_t{'A'}, std::uint16_t{'|'}, std::uint16_t{'<'}, std::uint16_t{'>'}}) {
        const std::uint16_t glyph = font().glyphFor(code);
        ASSERT_NE(glyph, 0) << "code " << code;
        EXPECT_EQ(font().advanceOf(glyph), cell) << "code " << code;
    }
    for (std::uint16_t code : SymbolCodes) {
        const std::uint16_t glyph = font().glyphFor(code);
        ASSERT_NE(glyph, 0) << "code " << code;
        EXPECT_EQ(font().advanceOf(glyph), cell) << "code " << code;
        const auto outline = font().outlineOf(glyph);
        EXPECT_GT(outline.length, 0u) << "code " << code << " has nothing drawn";
        EXPECT_GE(outline.xMin, 0) << "code " << code << " spills into the cell on its left";
        EXPECT_LE(outline.xMax, cell) << "code " << code << " spills into the cell on its right";
    }
}

TEST(HelpBook, IsACompiledHelpFileBesideTheProgram) {
    const auto bytes = readFile(BuildDir + "/WM58.qch");
    const std::string header = "SQLite format 3";
    ASSERT_GE(bytes.size(), header.size() + 1);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + header.size()), header);
    EXPECT_EQ(bytes[header.size()], 0);
}

} // namespace
} // namespace wm

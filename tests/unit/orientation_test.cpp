// A photo's orientation: the EXIF reader over hand-made files, and the eight turns upright.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "toolkit/portable/orientation.h"
#include "toolkit/portable/picture_header.h"

using namespace toolkit;

namespace {

using Bytes = std::basic_string<unsigned char>;

Bytes Number(std::uint32_t n, int size, bool big) {
  Bytes b;
  for (int i = 0; i < size; ++i) b += static_cast<unsigned char>(n >> (8 * (big ? size - 1 - i : i)));
  return b;
}

// A JPEG's start: SOI, then an APP1 segment holding "Exif", the TIFF header and a first directory of one
// entry (tag, type, count, value).
Bytes Jpeg(bool big, std::uint32_t tag, std::uint32_t type, std::uint32_t count, std::uint32_t value,
           std::uint32_t directory = 8) {
  const unsigned char order = big ? 'M' : 'I';
  const Bytes tiff = Bytes{order, order} + Number(42, 2, big) + Number(directory, 4, big) + Number(1, 2, big) +
                     Number(tag, 2, big) + Number(type, 2, big) + Number(count, 4, big) +
                     Number(value << (big ? 16 : 0), 4, big) + Number(0, 4, big);
  const Bytes app1 = Bytes{'E', 'x', 'i', 'f', 0, 0} + tiff;
  return Bytes{0xFF, 0xD8, 0xFF, 0xE1} + Number(static_cast<std::uint32_t>(app1.size() + 2), 2, true) + app1;
}

}  // namespace

TEST(Orientation, TheHeaderGivesTheFirstExifOrientationInEitherByteOrderNothingOutOfTheOrdinaryAndTheSize) {
  const Bytes six = Jpeg(false, 0x0112, 3, 1, 6), eight_big = Jpeg(true, 0x0112, 3, 1, 8);
  const Bytes xmp = Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0, 6, 'h', 't', 't', 'p'};  // an APP1 of another kind first
  const std::tuple<const char*, Bytes, int> cases[] = {
      {"little-endian", six, 6},
      {"big-endian", eight_big, 8},
      {"after fill bytes and another APP1", xmp.substr(0, 2) + Bytes{0xFF} + xmp.substr(2) + six.substr(2), 6},
      {"a second EXIF block", six + Jpeg(false, 0x0112, 3, 1, 3).substr(2), 6},
      {"another tag", Jpeg(false, 0x0110, 3, 1, 6), 1},
      {"value 0", Jpeg(false, 0x0112, 3, 1, 0), 1},
      {"value 9", Jpeg(false, 0x0112, 3, 1, 9), 1},
      {"a count of 2^32-1", Jpeg(false, 0x0112, 3, 0xFFFFFFFF, 6), 1},
      {"the wrong byte order mark", six.substr(0, 13) + Bytes{'M'} + six.substr(14), 1},
      {"a directory past the end", Jpeg(false, 0x0112, 3, 1, 6, 0xFFFFFFF0), 1},
      {"a directory pointing into itself", Jpeg(false, 0x0112, 3, 1, 6, 4), 1},
      {"a segment longer than the file", six.substr(0, 4) + Bytes{0xFF, 0xF0} + six.substr(6), 1},
  };
  for (const auto& [what, file, orientation] : cases)
    EXPECT_EQ(Exif_Orientation({file.data(), file.size()}), orientation) << what;
  for (std::size_t cut = 0; cut < six.size(); ++cut) EXPECT_EQ(Exif_Orientation({six.data(), cut}), 1) << cut;
  // The stored size, by which a picture too big to be had is refused before it is read: a bitmap's of either header
  // (the OS/2 one keeps 16-bit sizes), and a JPEG's frame header wherever it lies, past big colour profiles too;
  // the bytes cut short of it ask for more.
  const Bytes bmp = Bytes{'B', 'M'} + Bytes(16, 0) + Number(4000, 4, false) + Number(-3000, 4, false);
  const Bytes os2 = Bytes{'B', 'M'} + Bytes(12, 0) + Number(12, 4, false) + Number(640, 2, false) +
                    Number(480, 2, false) + Bytes(6, 0);
  const Bytes gif = Bytes{'G', 'I', 'F', '8', '9', 'a'} + Number(640, 2, false) + Number(480, 2, false);
  const Bytes frame = Bytes{0xFF, 0xC2, 0, 8, 8} + Number(12240, 2, true) + Number(16320, 2, true) + Bytes{3};
  Bytes profiles;
  for (int i = 0; i < 3; ++i) profiles += Bytes{0xFF, 0xE2} + Number(60000, 2, true) + Bytes(59998, 'p');
  const Bytes jpeg = Jpeg(false, 0x0112, 3, 1, 6) + frame, deep = Jpeg(false, 0x0112, 3, 1, 6) + profiles + frame;
  for (const auto& [file, w, h] :
       {std::tuple{bmp, 4000, 3000}, {os2, 640, 480}, {gif, 640, 480}, {jpeg, 16320, 12240}, {deep, 16320, 12240}}) {
    const auto size = toolkit::Size_From_Header({file.data(), file.size()});
    EXPECT_TRUE(size && size->W == w && size->H == h) << file.size();
    for (const std::size_t cut : {file.size() - 3, std::size_t{3}})
      EXPECT_EQ(toolkit::Read_Header({file.data(), cut}).Says, toolkit::Header::Reading::More) << file.size() << cut;
  }
  EXPECT_EQ(toolkit::Read_Header(profiles).Says, toolkit::Header::Reading::None);
}

// The stored picture   a b c   and the upright one, row by row, as EXIF's eight orientations mean it: 5 to 8 stand
//                      d e f   two wide and three high.
TEST(Orientation, EachOfTheEightTurnsStandsThePictureUpright) {
  const std::vector<std::uint32_t> stored{'a', 'b', 'c', 'd', 'e', 'f'};
  const char* upright_of[9] = {"", "abcdef", "cbafed", "fedcba", "defabc", "adbecf", "daebfc", "fcebda", "cfbead"};
  for (int orientation = 1; orientation <= 8; ++orientation) {
    std::vector<std::uint32_t> upright(6);
    Turn_Upright(stored.data(), 3, 2, orientation, upright.data());
    EXPECT_EQ(std::string(upright.begin(), upright.end()), upright_of[orientation]) << orientation;
  }
}

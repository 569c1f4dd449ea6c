#include "notation/signature_layout.h"

#include <algorithm>

namespace lintra::notation {
namespace {

// The sixth accidental is squeezed in 6 pixels after the fifth, not 8.
constexpr std::array<SignaturePlace, kMaxSignatureAccidentals> kFlats{{
    {24, 4, 60},
    {32, -8, 48},
    {40, 8, 64},
    {48, -4, 52},
    {56, 12, 68},
    {62, 0, 56},
}};

constexpr std::array<SignaturePlace, kMaxSignatureAccidentals> kSharps{{
    {24, -12, 44},
    {32, 0, 56},
    {40, -16, 40},
    {48, -4, 52},
    {56, 8, 64},
    {62, -8, 48},
}};

}  // namespace

const std::array<SignaturePlace, kMaxSignatureAccidentals>& FlatSignaturePlaces() { return kFlats; }
const std::array<SignaturePlace, kMaxSignatureAccidentals>& SharpSignaturePlaces() { return kSharps; }

int SignatureLength(std::string_view kind, std::int8_t count) {
  if (kind != "#" && kind != "b") return 0;
  return std::clamp<int>(count, 0, static_cast<int>(kMaxSignatureAccidentals));
}

}  // namespace lintra::notation

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace lintra::notation {

// Where the i-th accidental of a key signature stands, on both staves.
struct SignaturePlace {
  int x;
  int trebleY;
  int bassY;
};

inline constexpr std::size_t kMaxSignatureAccidentals = 6;

// B E A D G C flat.
const std::array<SignaturePlace, kMaxSignatureAccidentals>& FlatSignaturePlaces();
// F C G D A E sharp.
const std::array<SignaturePlace, kMaxSignatureAccidentals>& SharpSignaturePlaces();

// How many accidentals a key signature draws: `count` (at most six) of "#" or "b"; any other kind
// draws none.
int SignatureLength(std::string_view kind, std::int8_t count);

}  // namespace lintra::notation

#pragma once

#include <array>

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

}  // namespace lintra::notation

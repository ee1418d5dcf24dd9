#pragma once
// The thirty French pictures: their captions, as shown under a start picture beside the main menu
// and above a reward picture after a praised run. Most pictures have one caption for both.

#include <string_view>

namespace orvela {

inline constexpr int kPictureCount = 30;

// UTF-8 caption of picture n (1..30); empty for any other n.
std::string_view pictureCaptionUtf8(int n, bool startPicture);

} // namespace orvela

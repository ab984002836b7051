#pragma once
// The answers of the specialist and of the audience, as the message panel shows them. Letters are
// numbered 1..4 for A..D; texts are Windows-1251.
#include <array>
#include <string>

namespace lifelines {

// "I don't know the right answer!"
std::string specialistDoesNotKnow();
// The specialist names the right letter (1..4).
std::string specialistNames(int letter);

// The audience's shares of A..D: drawn as A = top, B = s1, C = s2, D = s3, then A's share is
// swapped with the right letter's, so the right letter gets the top share.
std::array<int, 4> audienceShares(int rightLetter, int top, int s1, int s2, int s3);
std::string audienceText(const std::array<int, 4>& shares);

}  // namespace lifelines

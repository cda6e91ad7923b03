#pragma once
// Check digits of the numeric symbologies. Digits are ASCII '0'..'9'.
#include <string>
#include <vector>

// (10 - (sum of digit x weight) mod 10) mod 10, weights taken from the left and
// repeated as needed.
char weightedCheckDigit(const std::string& digits, const std::vector<int>& weights);

// MSI modulo 10: the digits at odd positions from the right (the rightmost is
// position 1), read left to right as one number and doubled; the digits of the
// result plus the digits at even positions; the complement to the next ten.
char msiCheckDigit(const std::string& digits);

// The ten digits a UPC-E number d1..d6 stands for (without the number system
// and check digits), expanded by the pattern that d6 selects.
std::string upcEExpand(const std::string& sixDigits);

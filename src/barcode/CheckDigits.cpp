#include "barcode/CheckDigits.h"

namespace {

// Doubles a decimal digit string exactly (it may be longer than any integer).
std::string doubled(const std::string& number) {
    std::string out(number.size(), '0');
    int carry = 0;
    for (std::size_t i = number.size(); i-- > 0;) {
        const int v = (number[i] - '0') * 2 + carry;
        out[i] = static_cast<char>('0' + v % 10);
        carry = v / 10;
    }
    return carry ? "1" + out : out;
}

int digitSum(const std::string& digits) {
    int sum = 0;
    for (char c : digits) sum += c - '0';
    return sum;
}

} // namespace

char weightedCheckDigit(const std::string& digits, const std::vector<int>& weights) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += (digits[i] - '0') * weights[i % weights.size()];
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

char msiCheckDigit(const std::string& digits) {
    std::string odd;
    std::string even;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) ((n - i) % 2 == 1 ? odd : even) += digits[i];
    const int sum = digitSum(doubled(odd)) + digitSum(even);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string upcEExpand(const std::string& d) {
    // 'X' takes the next of d1..d5; '6' stands for d6 itself.
    static const char* const kPatterns[10] = {
        "XX60000XXX", "XX60000XXX", "XX60000XXX", "XXX00000XX", "XXXX00000X",
        "XXXXX00006", "XXXXX00006", "XXXXX00006", "XXXXX00006", "XXXXX00006",
    };
    std::string out;
    std::size_t next = 0;
    for (const char* p = kPatterns[d[5] - '0']; *p; ++p) {
        if (*p == 'X') out += d[next++];
        else if (*p == '6') out += d[5];
        else out += '0';
    }
    return out;
}

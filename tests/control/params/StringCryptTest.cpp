#include "control/params/StringCrypt.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vx {
namespace {

// An independent Blowfish, written from the published algorithm. Its initial P-array and
// S-boxes are the hexadecimal digits of the fraction of pi, computed here with Machin's
// formula instead of being copied from a table.
class ReferenceBlowfish {
 public:
  explicit ReferenceBlowfish(const std::vector<std::uint8_t>& key) {
    const std::vector<std::uint32_t>& digits = piWords();
    for (std::size_t i = 0; i < kRounds + 2; ++i) p_[i] = digits[i];
    for (std::size_t box = 0; box < 4; ++box) {
      for (std::size_t i = 0; i < 256; ++i) s_[box][i] = digits[kRounds + 2 + 256 * box + i];
    }
    std::size_t at = 0;
    for (std::uint32_t& word : p_) {
      std::uint32_t data = 0;
      for (int k = 0; k < 4; ++k) {
        data = data << 8 | key[at];
        at = (at + 1) % key.size();
      }
      word ^= data;
    }
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    for (std::size_t i = 0; i < p_.size(); i += 2) {
      encrypt(left, right);
      p_[i] = left;
      p_[i + 1] = right;
    }
    for (auto& box : s_) {
      for (std::size_t i = 0; i < box.size(); i += 2) {
        encrypt(left, right);
        box[i] = left;
        box[i + 1] = right;
      }
    }
  }

  void encrypt(std::uint32_t& left, std::uint32_t& right) const {
    for (std::size_t i = 0; i < kRounds; ++i) {
      left ^= p_[i];
      right ^= f(left);
      std::swap(left, right);
    }
    std::swap(left, right);
    right ^= p_[kRounds];
    left ^= p_[kRounds + 1];
  }

  static const std::vector<std::uint32_t>& piWords() {
    static const std::vector<std::uint32_t> words = computePiWords();
    return words;
  }

 private:
  static constexpr std::size_t kRounds = 16;
  static constexpr std::size_t kWordsNeeded = kRounds + 2 + 4 * 256;
  static constexpr std::size_t kGuardWords = 3;

  std::uint32_t f(std::uint32_t x) const {
    return ((s_[0][x >> 24] + s_[1][x >> 16 & 0xFF]) ^ s_[2][x >> 8 & 0xFF]) + s_[3][x & 0xFF];
  }

  // Fixed point numbers: word 0 is the integer part, the others the fraction in base 2^32.
  using Fixed = std::vector<std::uint32_t>;

  static bool divide(Fixed& a, std::uint32_t divisor) {
    std::uint64_t rest = 0;
    bool nonZero = false;
    for (std::uint32_t& word : a) {
      std::uint64_t current = rest << 32 | word;
      word = static_cast<std::uint32_t>(current / divisor);
      rest = current % divisor;
      nonZero = nonZero || word != 0;
    }
    return nonZero;
  }
  static void add(Fixed& a, const Fixed& b) {
    std::uint64_t carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
      std::uint64_t sum = std::uint64_t{a[i]} + b[i] + carry;
      a[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }
  static void subtract(Fixed& a, const Fixed& b) {
    std::int64_t borrow = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
      std::int64_t difference = std::int64_t{a[i]} - b[i] - borrow;
      borrow = difference < 0;
      a[i] = static_cast<std::uint32_t>(difference);
    }
  }
  static void multiply(Fixed& a, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
      std::uint64_t product = std::uint64_t{a[i]} * factor + carry;
      a[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
  }
  // arctan(1/x) = 1/x - 1/(3x^3) + 1/(5x^5) - ...
  static Fixed arctanInverse(std::uint32_t x, std::size_t size) {
    Fixed sum(size, 0);
    Fixed power(size, 0);
    power[0] = 1;
    divide(power, x);
    for (std::uint32_t n = 0;; ++n) {
      Fixed term = power;
      if (!divide(term, 2 * n + 1)) break;
      if (n % 2 == 0) {
        add(sum, term);
      } else {
        subtract(sum, term);
      }
      divide(power, x * x);
    }
    return sum;
  }
  static std::vector<std::uint32_t> computePiWords() {
    std::size_t size = 1 + kWordsNeeded + kGuardWords;
    Fixed pi = arctanInverse(5, size);
    multiply(pi, 16);
    Fixed small = arctanInverse(239, size);
    multiply(small, 4);
    subtract(pi, small);
    return std::vector<std::uint32_t>(pi.begin() + 1, pi.begin() + 1 + static_cast<long>(kWordsNeeded));
  }

  std::array<std::uint32_t, kRounds + 2> p_{};
  std::array<std::array<std::uint32_t, 256>, 4> s_{};
};

std::uint64_t encryptBlock(const ReferenceBlowfish& cipher, std::uint64_t block) {
  auto left = static_cast<std::uint32_t>(block >> 32);
  auto right = static_cast<std::uint32_t>(block);
  cipher.encrypt(left, right);
  return std::uint64_t{left} << 32 | right;
}

const ReferenceBlowfish& storedFormCipher() {
  static const ReferenceBlowfish cipher({'P', 'l', 'u', 'm', 'e', 'G', 'r', 'a', 'v', 'y'});
  return cipher;
}

// The stored form built with the reference: zero padding to whole blocks, little-endian words.
std::string referenceStoredForm(const std::string& bytes, bool pad = true) {
  std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  if (pad) data.resize(8 * (bytes.size() / 8 + 1), 0);
  auto word = [&](std::size_t at) {
    return std::uint32_t{data[at]} | std::uint32_t{data[at + 1]} << 8 | std::uint32_t{data[at + 2]} << 16 |
           std::uint32_t{data[at + 3]} << 24;
  };
  std::string hex;
  for (std::size_t at = 0; at + 8 <= data.size(); at += 8) {
    std::uint32_t left = word(at);
    std::uint32_t right = word(at + 4);
    storedFormCipher().encrypt(left, right);
    for (std::uint32_t half : {left, right}) {
      for (int shift = 0; shift < 32; shift += 8) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", half >> shift & 0xFF);
        hex += digits;
      }
    }
  }
  return hex;
}

// A text of the given length that uses many byte values but no zero byte.
std::string sampleText(std::size_t length, unsigned seed) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    seed = seed * 1103515245u + 12345u;
    text += static_cast<char>(1 + (seed >> 16) % 255);
  }
  return text;
}

TEST(ReferenceBlowfishTest, DerivesPiAndMatchesPublishedVectors) {
  EXPECT_EQ(ReferenceBlowfish::piWords().front(), 0x243F6A88u);
  EXPECT_EQ(ReferenceBlowfish::piWords().back(), 0x3AC372E6u);  // last word of the fourth S-box

  struct Case {
    std::vector<std::uint8_t> key;
    std::uint64_t plain;
    std::uint64_t crypted;
  };
  const Case cases[] = {
      {{0, 0, 0, 0, 0, 0, 0, 0}, 0, 0x4EF997456198DD78},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFFFFFFFFFF, 0x51866FD5B85ECB8A},
      {{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}, 0x1111111111111111, 0x61F9C3802281B096},
      // A ten-byte key, like the one of the stored form.
      {{0xF0, 0xE1, 0xD2, 0xC3, 0xB4, 0xA5, 0x96, 0x87, 0x78, 0x69}, 0xFEDCBA9876543210, 0x122BA70B3AB64AE0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(encryptBlock(ReferenceBlowfish(c.key), c.plain), c.crypted) << std::hex << c.plain;
  }
}

TEST(StringCryptTest, MatchesTheReferenceForEveryLengthUpTo127) {
  for (std::size_t length = 0; length <= 127; ++length) {
    std::string plain = sampleText(length, static_cast<unsigned>(length));
    std::string stored = EncryptString(plain);
    EXPECT_EQ(stored, referenceStoredForm(plain)) << "length " << length;
    EXPECT_EQ(stored.size(), 16 * (length / 8 + 1)) << "length " << length;
    EXPECT_EQ(DecryptString(stored), plain) << "length " << length;
  }
}

TEST(StringCryptTest, PadsAWholeZeroBlockAfterEightCharacters) {
  EXPECT_EQ(EncryptString("sip.host").size(), 32u);
  EXPECT_EQ(EncryptString("sip.hos").size(), 16u);
  EXPECT_EQ(EncryptString("").size(), 16u);
  EXPECT_EQ(EncryptString("").find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(StringCryptTest, DecryptsLowerCaseDigitsAndStopsAtTheFirstZeroByte) {
  std::string stored = EncryptString("provisioning");
  std::string lower;
  for (char c : stored) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(DecryptString(lower), "provisioning");
  // Bytes after the first zero byte of a block are not part of the text.
  EXPECT_EQ(DecryptString(referenceStoredForm(std::string("ab\0cdefg", 8), false)), "ab");
}

TEST(StringCryptTest, LeavesMalformedFormsAsParsed) {
  struct Case {
    std::string stored;
    std::string expected;
  };
  const Case cases[] = {
      {"", ""},
      {"414243", "ABC"},       // not a whole block: the bytes are the text
      {"41424", "AB"},         // an odd digit at the end is dropped
      {"4142ZZ4344", "AB"},    // reading stops at a bad digit
      {"41004243", "A"},       // the text ends at a zero byte
      {"not hex at all", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DecryptString(c.stored), c.expected) << c.stored;
}

TEST(StringCryptTest, NeverReturnsMoreThanTheBytesItParsed) {
  // A full block without any zero byte decrypts to eight bytes and stops there.
  std::string stored = referenceStoredForm("12345678", false);
  ASSERT_EQ(stored.size(), 16u);
  EXPECT_EQ(DecryptString(stored), "12345678");
}

TEST(StringCryptTest, SizesTheStoredFormOfAFullField) {
  EXPECT_EQ(EncryptedCapacity(128), 257u);  // 127 characters need 16 blocks, 256 digits and the NUL
  EXPECT_EQ(EncryptString(std::string(127, 'x')).size() + 1, EncryptedCapacity(128));
}

}  // namespace
}  // namespace vx

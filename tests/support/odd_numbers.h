// Number texts that readers must refuse or hold soundly: 20 to 400 digits, with
// and without a fraction, large and small exponents, infinities and NaN.
#pragma once

#include <random>
#include <string>

namespace morvane::testing {

inline std::string OddNumber(std::mt19937& random) {
  std::string digits(20 + random() % 381, '0');
  for (char& c : digits) c = static_cast<char>('0' + random() % 10);
  digits[0] = static_cast<char>('1' + random() % 9);
  const std::string exponent = std::to_string(random() % 5000);
  const std::string forms[] = {digits,       "0." + digits, "-" + digits,  "1e" + exponent,
                               "1e-" + exponent, digits + "e-" + exponent, "inf",  "-inf",
                               "nan",        "Infinity",    "NaN",         "1e60"};
  return forms[random() % std::size(forms)];
}

}  // namespace morvane::testing

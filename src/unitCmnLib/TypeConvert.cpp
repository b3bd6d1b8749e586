#include "unitCmnLib/TypeConvert.h"

#include <locale.h>
#include <stdlib.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

// The "C" locale for the *_l parsers, made once: the host may have set any
// process locale (a comma as decimal point, for instance).
locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
  if (locale == locale_t(0)) throw std::runtime_error("cannot create the C locale");
  return locale;
}

// Runs a strto*_l parser the way the standard sto* functions do and throws
// what they throw, with the messages the parameter files report. The guard
// turns those into unitCmnException with the same comment.
template <class Parse>
auto parse(const std::string& text, const char* name, Parse parser) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const int savedErrno = errno;
  errno = 0;
  const auto value = parser(begin, &end, cLocale());
  const bool overflow = errno == ERANGE;
  errno = savedErrno;
  if (end == begin) throw std::invalid_argument(std::string("invalid ") + name + " argument");
  if (overflow) throw std::out_of_range(std::string(name) + " argument out of range");
  return value;
}

}  // namespace

int TypeConvert::toInt(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    const long value = parse(text, "stoi", [](const char* s, char** e, locale_t l) {
      return strtol_l(s, e, 10, l);
    });
    if (value < INT_MIN || value > INT_MAX) throw std::out_of_range("stoi argument out of range");
    return static_cast<int>(value);
  });
}

long long TypeConvert::toLongLong(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return parse(text, "stoll", [](const char* s, char** e, locale_t l) {
      return strtoll_l(s, e, 10, l);
    });
  });
}

// As std::stoull, a leading minus sign is accepted and the value wraps.
unsigned long long TypeConvert::toULongLong(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return parse(text, "stoull", [](const char* s, char** e, locale_t l) {
      return strtoull_l(s, e, 10, l);
    });
  });
}

// As std::stod, underflow to a denormal or zero also counts as out of range.
double TypeConvert::toDouble(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return parse(text, "stod", [](const char* s, char** e, locale_t l) {
      return strtod_l(s, e, l);
    });
  });
}

float TypeConvert::toFloat(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return parse(text, "stof", [](const char* s, char** e, locale_t l) {
      return strtof_l(s, e, l);
    });
  });
}

// A failed extraction leaves 0; a number too large for unsigned int gives
// its maximum (the stream's rule).
unsigned int TypeConvert::toUInt(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    unsigned int value = 0;
    in >> value;
    return value;
  });
}

bool TypeConvert::toBool(const std::string& text) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::string lower = text;
    for (char& c : lower) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');  // ASCII only
    }
    if (lower == "true") return true;
    if (lower != "false") unitCmnGuard::raise(UNITCMN_SITE, "It is not a Boolean value.");
    return false;
  });
}

std::string TypeConvert::toString(int value) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return std::to_string(value); });
}

std::string TypeConvert::toString(unsigned int value) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return std::to_string(value); });
}

std::string TypeConvert::toString(long long value) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return std::to_string(value); });
}

std::string TypeConvert::toString(unsigned long long value) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return std::to_string(value); });
}

// std::to_string(double) would follow the C locale's decimal point;
// std::to_chars follows no locale, rounds exactly as printf's "%.6f" and
// costs a fraction of a string stream (job texts hold thousands of
// numbers). 400 characters hold the longest double in fixed notation.
std::string TypeConvert::toString(double value) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    char text[400];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return std::string(text, end.ptr);
  });
}

std::string TypeConvert::toString(bool value) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return std::string(value ? "true" : "false"); });
}

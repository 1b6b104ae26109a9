#include "json_line.h"

#include <cmath>
#include <cstdio>

namespace kalkora::sampler {
namespace {

std::string quoted(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out += escape;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

}  // namespace

std::string JsonString(TextView text) { return quoted(Utf8FromText(text)); }

void JsonLine::key(const std::string& name) {
  if (!body_.empty()) body_ += ",";
  body_ += quoted(name) + ":";
}

JsonLine& JsonLine::add(const std::string& name, TextView value) {
  key(name);
  body_ += quoted(Utf8FromText(value));
  return *this;
}

JsonLine& JsonLine::add(const std::string& name, char16_t value) {
  return add(name, value == 0 ? TextView() : TextView(&value, 1));
}

JsonLine& JsonLine::add(const std::string& name, int value) {
  key(name);
  body_ += std::to_string(value);
  return *this;
}

JsonLine& JsonLine::add(const std::string& name, bool value) {
  key(name);
  body_ += value ? "true" : "false";
  return *this;
}

JsonLine& JsonLine::add(const std::string& name, double value) {
  key(name);
  if (!std::isfinite(value)) {
    body_ += "null";
  } else {
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", value);
    body_ += number;
  }
  return *this;
}

JsonLine& JsonLine::addRaw(const std::string& name, const std::string& json) {
  key(name);
  body_ += json;
  return *this;
}

std::string JsonArray(const std::string* values, std::size_t count) {
  std::string out = "[";
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) out += ",";
    out += values[i];
  }
  return out + "]";
}

}  // namespace kalkora::sampler

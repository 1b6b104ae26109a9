#pragma once
// One JSON object on one line, built field by field (texts as UTF-8).

#include <cstddef>
#include <string>

#include "base/text.h"

namespace kalkora::sampler {

class JsonLine {
 public:
  JsonLine& add(const std::string& name, TextView value);
  JsonLine& add(const std::string& name, const char16_t* value) {
    return add(name, TextView(value));
  }
  // One character as a text; the character 0 (no letter drawn) as the empty text.
  JsonLine& add(const std::string& name, char16_t value);
  JsonLine& add(const std::string& name, int value);
  JsonLine& add(const std::string& name, bool value);
  JsonLine& add(const std::string& name, double value);
  // A value that is already JSON (an array or object built with another JsonLine).
  JsonLine& addRaw(const std::string& name, const std::string& json);

  std::string str() const { return "{" + body_ + "}"; }

 private:
  void key(const std::string& name);
  std::string body_;
};

// A text as a JSON string.
std::string JsonString(TextView text);

// A JSON array of the given JSON values.
std::string JsonArray(const std::string* values, std::size_t count);

// A 1-based array (texts, numbers) as a JSON object with the indices as keys.
template <typename Array>
std::string Indexed(const Array& values) {
  JsonLine line;
  for (std::size_t i = 1; i <= values.size(); ++i) line.add(std::to_string(i), values[i]);
  return line.str();
}

}  // namespace kalkora::sampler

// A small JSON writer: objects, arrays, texts, numbers (finite, up to six
// decimals; null otherwise), booleans. The caller opens and closes in
// order; commas and escapes are the writer's business.
#pragma once

#include <string>
#include <vector>

class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  // The key of the next value inside an object.
  JsonWriter& key(const std::string& name);
  JsonWriter& value(const std::string& text);
  JsonWriter& value(const char* text) { return value(std::string(text)); }
  JsonWriter& value(double number);
  JsonWriter& value(int number);
  JsonWriter& value(bool flag);
  JsonWriter& null();
  // The text written so far, with a final newline.
  std::string text() const { return out_ + "\n"; }

  static std::string quoted(const std::string& text);

 private:
  void separate();
  void open(char bracket);
  void close(char bracket);

  std::string out_;
  std::vector<bool> first_;  // per open container: nothing in it yet
  bool afterKey_ = false;
};

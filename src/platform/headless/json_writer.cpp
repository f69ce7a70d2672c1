#include "platform/headless/json_writer.h"

namespace sb::headless {

void JsonWriter::Separate() {
  if (!first_) out_ += ',';
  first_ = false;
}

void JsonWriter::Open(char bracket) {
  Separate();
  out_ += bracket;
  first_ = true;
}

void JsonWriter::Close(char bracket) {
  out_ += bracket;
  first_ = false;
}

void JsonWriter::Key(std::string_view name) {
  String(name);
  out_ += ':';
  first_ = true;  // the value that follows needs no comma
}

void JsonWriter::String(std::string_view s) {
  Separate();
  out_ += '"';
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (c < 0x20) {
          static const char* const kHex = "0123456789abcdef";
          out_ += "\\u00";
          out_ += kHex[c >> 4];
          out_ += kHex[c & 15];
        } else {
          out_ += ch;
        }
    }
  }
  out_ += '"';
}

void JsonWriter::Bool(bool b) {
  Separate();
  out_ += b ? "true" : "false";
}

void JsonWriter::Null() {
  Separate();
  out_ += "null";
}

}  // namespace sb::headless

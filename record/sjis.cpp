#include "record/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace zv {

namespace {

bool convert(const char* to, const char* from, std::string_view in, std::string& out) {
  out.clear();
  if (in.empty()) return true;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  // Shift-JIS grows to at most three UTF-8 bytes per byte; UTF-8 never grows.
  out.resize(in.size() * 3 + 4);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<size_t>(-1);
  // A text cut inside a character is broken, not merely short.
  if (ok && src_left != 0) ok = false;
  if (ok) ok = iconv(cd, nullptr, nullptr, &dst, &dst_left) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return false;
  out.resize(out.size() - dst_left);
  return true;
}

}  // namespace

bool utf8_to_cp932(std::string_view utf8, std::string& out) {
  return convert("CP932", "UTF-8", utf8, out);
}

bool cp932_to_utf8(std::string_view cp932, std::string& out) {
  return convert("UTF-8", "CP932", cp932, out);
}

}  // namespace zv

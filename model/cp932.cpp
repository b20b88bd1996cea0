#include "model/cp932.h"

#include <iconv.h>

namespace zv {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  std::string out;
  if (in.empty()) return out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Shift-JIS grows to at most three UTF-8 bytes per byte; UTF-8 never grows.
  out.resize(in.size() * 3 + 4);
  char* src = const_cast<char*>(in.data());  // iconv's interface is not const-correct
  size_t src_left = in.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<size_t>(-1);
  // A text cut inside a character is broken, not merely short.
  if (ok && src_left != 0) ok = false;
  if (ok) ok = iconv(cd, nullptr, nullptr, &dst, &dst_left) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
  return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> cp932_to_utf8(std::string_view cp932) {
  return convert("UTF-8", "CP932", cp932);
}

}  // namespace zv

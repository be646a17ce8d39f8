// SPDX-License-Identifier: MIT
#include "paths/path_helpers.h"

namespace {
constexpr std::size_t MaxNameChars = 255;

// Position of the last separator, or npos.
std::size_t LastSeparator(const std::string& text) { return text.find_last_of("\\/"); }

// The first `count` characters of a UTF-8 text, never splitting a character.
std::string FirstChars(const std::string& text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) {  // a character starts here
      if (chars == count) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}
}  // namespace

void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  const std::size_t p = LastSeparator(path);
  if (p == std::string::npos) {
    folder.clear();
    name = path;
    return;
  }
  folder = path.substr(0, p);
  name = FirstChars(path.substr(p + 1), MaxNameChars);
}

std::string FileNameOf(const std::string& path) {
  std::string folder, name;
  SplitPath(path, folder, name);
  return name;
}

void SplitExt(const std::string& text, std::string& name, std::string& ext) {
  const std::size_t separator = LastSeparator(text);
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = text.rfind('.');
  if (dot == std::string::npos || dot < nameStart) {
    name = text;
    ext.clear();
    return;
  }
  name = text.substr(0, dot);
  ext = text.substr(dot + 1);
}

std::string ExtOf(const std::string& text) {
  std::string name, ext;
  SplitExt(text, name, ext);
  return ext;
}

std::string FolderOf(const std::string& path) {
  const std::size_t p = LastSeparator(path);
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string WithSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string WithFinalSeparator(const std::string& folder, char separator) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
  return folder + separator;
}

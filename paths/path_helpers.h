// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Taking paths apart as text; nothing here touches the file system. Both "\" and "/" separate
// folders; "." starts an extension only in the part after the last separator. Texts are UTF-8.

// The folder part (before the last separator, without it) and the name part (after it, at most
// 255 characters). A path without separator is all name.
void SplitPath(const std::string& path, std::string& folder, std::string& name);

// The name part of SplitPath.
std::string FileNameOf(const std::string& path);

// The name part (before the last "." of the text after its last separator) and the extension
// part (after that ".", without it). No such ".": all name, empty extension.
void SplitExt(const std::string& text, std::string& name, std::string& ext);

// The extension part of SplitExt.
std::string ExtOf(const std::string& text);

// The text up to and including its last separator; empty when it holds none.
std::string FolderOf(const std::string& path);

// The path with every "\" turned into "/": the program reads both as separators, and "/" is the
// one every platform's file functions accept.
std::string WithSlashes(std::string path);

// The folder with a separator at its end: `separator` is added unless the folder already ends
// with "\" or "/". An empty folder stays empty.
std::string WithFinalSeparator(const std::string& folder, char separator);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Whether a picture file holds everything its own structure announces. A decoder handed a file
// that was cut short (a download that stopped, a copy to a full disk) may still return an image,
// drawn only down to where the bytes ran out; the program treats such a file as one that does
// not decode, so the intact copy further down the search is used instead.
//  - GIF: every block and sub-block is whole and the trailer is there;
//  - ICO and CUR: every image the directory lists lies inside the file.
// Other bytes are left to the decoder: this answers true for them.
bool pictureFileComplete(std::string_view bytes);

// Pictures stored in the program as compressed PNG resources, decoded when first needed,
// and shared: every image that names the same picture draws from one bitmap for as long
// as any of them lives.
#pragma once

#include <memory>
#include <string>

class TBitmap;

// A PNG resource (type "PNG") of the running program, by name, as a 24-bit bitmap; throws
// a read error when there is none or it cannot be decoded.
std::shared_ptr<TBitmap> LoadSharedPicture(const std::string& resourceName);
// Throws the same error when the program holds no such picture, without decoding it.
void CheckPictureExists(const std::string& resourceName);
// True while the named picture is decoded and held by someone.
bool PictureInUse(const std::string& resourceName);

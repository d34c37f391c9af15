// Pictures stored in the program as compressed PNG resources, decoded by the system's
// imaging component, and shared: every image that names the same picture draws from one
// bitmap for as long as any of them lives.
#pragma once

#include <memory>
#include <string>

class TBitmap;

// A PNG resource (type "PNG") of the running program, by name; throws a read error when
// there is none or it cannot be decoded.
std::shared_ptr<TBitmap> LoadSharedPicture(const std::string& resourceName);
// Throws the same error when the program holds no such picture, without decoding it.
void CheckPictureExists(const std::string& resourceName);
// True while the named picture is decoded and held by someone.
bool PictureInUse(const std::string& resourceName);

// Whether the imaging component is loaded: from the first decoding until it is let go.
bool PictureDecoderLoaded();
// Lets the imaging component go; the next picture to decode loads it again.
void ReleasePictureDecoder();

#pragma once
// The question for a missing data volume.
#include <string>

// DiskText with every "%dn%" replaced by the volume's number in decimal.
std::string VolumePromptText(const std::string& DiskText, int VolumeNumber);

// A confirmation dialog with the question icon, Text, and the buttons OK
// and Cancel captioned OkButtonText and CancelButtonText, under the caption
// DiskCaptionText; a new dialog each time, after the question sound. True
// when the user chose Cancel (also Esc and the close box).
bool AskForVolume(const std::string& Text);

#pragma once

#include "core/encoder_settings.h"

namespace zelmora {

// Which encoder settings take effect in which combination. The window shows
// a field disabled while its rule is false; the argument builder applies the
// same rules, so both always agree.

// Out-of-table indices (from hand-edited profiles) are read as the list's
// default entry: Xvid, Auto audio, and Custom for the MPG video format.
int EffectiveVideoCodec(const EncoderSettings& s);
int EffectiveAudioCodec(const EncoderSettings& s);
bool IsMpg(const EncoderSettings& s);
// MPG with one of the two DVD targets.
bool IsMpgDvd(const EncoderSettings& s);
// The active format's "Do not copy video stream".
bool ActiveDoNotCopyVideo(const EncoderSettings& s);

// The video is encoded anew (not dropped, not copied).
bool VideoRecoded(const EncoderSettings& s);
// Resolution, custom width/height and cropping.
bool ScalingApplies(const EncoderSettings& s);
// Colours, brightness, saturation, flips, negative and rotation.
bool FiltersApply(const EncoderSettings& s);
// Forced video tag (also for a copied AVI video stream).
bool VideoTagApplies(const EncoderSettings& s);
// Display aspect ratio: AVI codecs 0..7.
bool AspectApplies(const EncoderSettings& s);
// Audio codec, bitrate, sampling, channels, volume, audio track and the
// deinterlacing choice.
bool AudioSettingsApply(const EncoderSettings& s);
// The deinterlacing choice: the audio rule above, and only while the video
// is encoded anew, since ffmpeg refuses a filter on a copied stream.
bool DeinterlacingApplies(const EncoderSettings& s);

// Field rules of the window below those conditions.
bool AviVideoFieldsApply(const EncoderSettings& s);     // codec, 2-pass
bool AviVideoBitrateApplies(const EncoderSettings& s);  // codecs 0..7
bool AviVideoFpsApplies(const EncoderSettings& s);      // not COPY
bool AviVideoAspectEnabled(const EncoderSettings& s);   // not COPY (HuffYUV stays enabled)
bool AviEncoderThreadsApply(const EncoderSettings& s);  // H.264 only
bool MpgVideoFieldsApply(const EncoderSettings& s);     // video format, 2-pass
bool MpgCustomFieldsApply(const EncoderSettings& s);    // bitrate, FPS, MPEG version
bool CustomSizeApplies(const EncoderSettings& s);       // ResWidth, ResHeight
bool AudioBitrateApplies(const EncoderSettings& s);     // not PCM, not COPY
bool AudioSamplingApplies(const EncoderSettings& s);    // not COPY
bool AudioChannelsApply(const EncoderSettings& s);      // not COPY
bool DoNotCopyAudioEnabled(const EncoderSettings& s);   // not with a DVD target

}  // namespace zelmora

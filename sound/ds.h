// The C interface of the sound library (libZorvane.so, the game calls it
// "Zorvane.dll"). Handles are 32-bit integers; 0 means none and every call
// accepts 0 and does nothing.
//
// Units: volume in hundredths of a decibel (0 full, -10000 silent), pan from
// -10000 (left) to 10000 (right), frequency in samples per second (0 = the
// sound's own rate). Flags of a buffer: DS_FLAG_STATIC (1) keeps the whole
// sound in memory (always so here), DS_FLAG_RESTART (2) makes a play request
// restart a buffer that is still sounding; without it the request is ignored
// while the buffer sounds.
#pragma once
#include <stdint.h>

#if defined(__GNUC__)
#define DS_API __attribute__((visibility("default")))
#else
#define DS_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define DS_FLAG_STATIC 1
#define DS_FLAG_RESTART 2
#define DS_STATUS_PLAYING 1
#define DS_STATUS_LOOPING 4

// Opens the audio device; returns the device handle, 0 when there is no device.
DS_API int32_t dsInitialize(int32_t window);
// Releases every buffer and closes the device.
DS_API void dsTerminate(void);
// A buffer from the bytes of a whole WAV file (size bytes at data).
DS_API int32_t dsCreateDSB(int32_t device, const void* data, int32_t size, int32_t flags);
// A buffer from a WAV file named by path (the library's stand-in for a resource).
DS_API int32_t dsCreateResDSB(int32_t device, const char* name, int32_t flags);
DS_API void dsStop(int32_t buffer);
DS_API void dsFree(int32_t buffer);
DS_API void dsPlay(int32_t buffer);
DS_API void dsPlayPan(int32_t buffer, int32_t pan);
DS_API void dsPlayLooping(int32_t buffer);
DS_API void dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
DS_API void dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
DS_API void dsSetVolume(int32_t buffer, int32_t volume);
DS_API void dsSetPan(int32_t buffer, int32_t pan);
DS_API void dsSetFrequency(int32_t buffer, int32_t frequency);
// DS_STATUS_PLAYING, with DS_STATUS_LOOPING when it loops; 0 when silent.
DS_API int32_t dsGetStatus(int32_t buffer);
// The volume last set, clamped; -10000 for no buffer.
DS_API int32_t dsGetVolume(int32_t buffer);

#ifdef __cplusplus
}
#endif

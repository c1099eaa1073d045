#pragma once

#include "core/bytes.h"

namespace quorvex {

// The certificate's background sheet as stored JPEG bytes (assets/certificate.jpg, built
// into the program): 1169 x 827, an A4 landscape page at 100 dots per inch.
BytesView certificateArtJpeg();

inline const Bytes certificateArtName = "certificate.jpg";

} // namespace quorvex

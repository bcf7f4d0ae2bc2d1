#pragma once

#define IDD_REFERENCE_DIALOG 101

#ifdef __cplusplus
inline constexpr unsigned long kReferenceBackColor = 0xFFE0C0;
#endif

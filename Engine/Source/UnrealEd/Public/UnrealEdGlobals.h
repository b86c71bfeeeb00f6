// The editor's global engine pointer of the full editor class.

#pragma once

#include "CoreMinimal.h"

/** The editor engine, typed as the full editor class; null when the process runs as a game. */
extern UNREALED_API class UUnrealEdEngine* GUnrealEd;

// Copyright Quovex. All Rights Reserved.

#include "QuovexTags.h"

namespace QuovexTags
{
	const FName TAG_CAMERA(TEXT("QuovexCamera"));
	const FName TAG_SEQUENCE_SPAWNED(TEXT("QuovexSequenceSpawned"));
}

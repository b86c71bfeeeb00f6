#pragma once

#include "CoreMinimal.h"

/** The kinds of JSON value. */
enum class EJson
{
	None,
	Null,
	String,
	Number,
	Boolean,
	Array,
	Object
};

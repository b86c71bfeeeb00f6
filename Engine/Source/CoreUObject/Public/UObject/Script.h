// The call frame handed to native function thunks, and the native function pointer type.

#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UFunction;
class FProperty;

/** A call of a reflected function: the object, the function and its parameter block (laid out
 *  as the header tool's parameter struct). Thunks read arguments from Locals and write the
 *  return value to RESULT_PARAM. */
struct COREUOBJECT_API FFrame
{
	FFrame(UObject* InObject, UFunction* InNode, void* InLocals)
		: Object(InObject)
		, Node(InNode)
		, Locals((uint8*)InLocals)
	{
	}

	UObject* Object;
	UFunction* Node;
	uint8* Locals;

	/** Reads argument Index's storage in the parameter block. */
	template<typename T>
	T& GetParm(int32 Offset) const
	{
		return *(T*)(Locals + Offset);
	}
};

typedef void (*FNativeFuncPtr)(UObject* Context, FFrame& TheStack, RESULT_DECL);

/** A script body for functions of classes built at run time (the stand-in's Blueprint graphs). */
typedef TFunction<void(UObject* Context, void* Parms)> FScriptFunctionBody;

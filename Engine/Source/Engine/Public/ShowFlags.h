// Which kinds of things a view draws (grid, bounds, fog ...), as a set of named flags.

#pragma once

#include "CoreMinimal.h"

/** The defaults a set of show flags starts from. */
enum EShowFlagInitMode
{
	ESFIM_Game,
	ESFIM_Editor,
	ESFIM_VREditing,
	ESFIM_All0
};

/** The show flags of one view. The stand-in knows the flags listed in FEngineShowFlags::EShowFlag. */
struct ENGINE_API FEngineShowFlags
{
	/** The stand-in's flags, in index order. */
	enum EShowFlag : uint32
	{
		EShowFlag_Game,
		EShowFlag_Grid,
		EShowFlag_Bounds,
		EShowFlag_Collision,
		EShowFlag_Fog,
		EShowFlag_Lighting,
		EShowFlag_PostProcessing,
		EShowFlag_Selection,
		EShowFlag_Wireframe,
		EShowFlag_Num
	};

	explicit FEngineShowFlags(EShowFlagInitMode InitMode);

	bool GetSingleFlag(uint32 Index) const;
	void SetSingleFlag(uint32 Index, bool bSet);

	/** The index of a flag by name (case-insensitive), INDEX_NONE when there is none. */
	static int32 FindIndexByName(const TCHAR* Name, const TCHAR* CommonFlagName = nullptr);

	/** The name of a flag, empty for an unknown index. */
	static FString FindNameByIndex(uint32 InIndex);

	/** "Name=0/1" for every flag, comma-separated, as the engine writes show flags to config. */
	FString ToString() const;

	bool operator==(const FEngineShowFlags& Other) const
	{
		return Bits == Other.Bits;
	}
	bool operator!=(const FEngineShowFlags& Other) const
	{
		return Bits != Other.Bits;
	}

private:
	uint32 Bits;
};

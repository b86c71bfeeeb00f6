// Widget visibility: a struct with named constants, as the engine declares it.

#pragma once

#include "CoreMinimal.h"

struct SLATECORE_API EVisibility
{
	/** Visible and hit-testable. */
	static const EVisibility Visible;

	/** Not visible and takes up no space. */
	static const EVisibility Collapsed;

	/** Not visible but takes up space. */
	static const EVisibility Hidden;

	/** Visible; neither the widget nor its children can be hit. */
	static const EVisibility HitTestInvisible;

	/** Visible; the widget cannot be hit but its children can. */
	static const EVisibility SelfHitTestInvisible;

	/** Every flag; only useful in masks. */
	static const EVisibility All;

	EVisibility()
		: Value(VIS_Visible)
	{
	}

	bool operator==(const EVisibility& Other) const
	{
		return Value == Other.Value;
	}
	bool operator!=(const EVisibility& Other) const
	{
		return Value != Other.Value;
	}

	bool AreChildrenHitTestVisible() const
	{
		return (Value & VISPRIVATE_ChildrenHitTestVisible) != 0;
	}
	bool IsHitTestVisible() const
	{
		return (Value & VISPRIVATE_SelfHitTestVisible) != 0;
	}
	bool IsVisible() const
	{
		return (Value & VISPRIVATE_Visible) != 0;
	}

	FString ToString() const;

private:
	enum Private
	{
		VISPRIVATE_Visible = 0x1 << 0,
		VISPRIVATE_Collapsed = 0x1 << 1,
		VISPRIVATE_Hidden = 0x1 << 2,
		VISPRIVATE_SelfHitTestVisible = 0x1 << 3,
		VISPRIVATE_ChildrenHitTestVisible = 0x1 << 4,

		VIS_Visible = VISPRIVATE_Visible | VISPRIVATE_SelfHitTestVisible | VISPRIVATE_ChildrenHitTestVisible,
		VIS_Collapsed = VISPRIVATE_Collapsed,
		VIS_Hidden = VISPRIVATE_Hidden,
		VIS_HitTestInvisible = VISPRIVATE_Visible,
		VIS_SelfHitTestInvisible = VISPRIVATE_Visible | VISPRIVATE_ChildrenHitTestVisible,
		VIS_All = VISPRIVATE_Visible | VISPRIVATE_Hidden | VISPRIVATE_Collapsed | VISPRIVATE_SelfHitTestVisible | VISPRIVATE_ChildrenHitTestVisible
	};

	EVisibility(Private InValue)
		: Value(InValue)
	{
	}

	Private Value;
};

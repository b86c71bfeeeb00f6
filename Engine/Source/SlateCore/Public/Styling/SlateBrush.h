// A brush: what a style hands a widget to draw an image or a box with.

#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateColor.h"

namespace ESlateBrushDrawType
{
	enum Type : int
	{
		NoDrawType,
		Box,
		Border,
		Image,
		RoundedBox,
	};
}

namespace ESlateBrushTileType
{
	enum Type : int
	{
		NoTile,
		Horizontal,
		Vertical,
		Both
	};
}

namespace ESlateBrushImageType
{
	enum Type : int
	{
		NoImage,
		FullColor,
		Linear,
		Vector,
	};
}

struct SLATECORE_API FSlateBrush
{
	FSlateBrush();
	virtual ~FSlateBrush();

	/** Size of the image in slate units. */
	FVector2D ImageSize;

	ESlateBrushDrawType::Type DrawAs;
	ESlateBrushTileType::Type Tiling;
	ESlateBrushImageType::Type ImageType;
	FSlateColor TintColor;

	const FName GetResourceName() const
	{
		return ResourceName;
	}

	const FVector2D& GetImageSize() const
	{
		return ImageSize;
	}

	ESlateBrushDrawType::Type GetDrawType() const
	{
		return DrawAs;
	}

	ESlateBrushImageType::Type GetImageType() const
	{
		return ImageType;
	}

	bool operator==(const FSlateBrush& Other) const;
	bool operator!=(const FSlateBrush& Other) const
	{
		return !(*this == Other);
	}

protected:
	FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FVector2D& InImageSize, const FSlateColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType);

	/** The image file or texture the brush draws, if any. */
	FName ResourceName;
};

#include "Brushes/SlateImageBrush.h"
#include "Brushes/SlateNoResource.h"
#include "Styling/StyleDefaults.h"

FSlateBrush::FSlateBrush()
	: ImageSize(32.0, 32.0)
	, DrawAs(ESlateBrushDrawType::Image)
	, Tiling(ESlateBrushTileType::NoTile)
	, ImageType(ESlateBrushImageType::NoImage)
	, TintColor(FLinearColor(1.0f, 1.0f, 1.0f, 1.0f))
{
}

FSlateBrush::FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FVector2D& InImageSize, const FSlateColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType)
	: ImageSize(InImageSize)
	, DrawAs(InDrawType)
	, Tiling(InTiling)
	, ImageType(InImageType)
	, TintColor(InTint)
	, ResourceName(InResourceName)
{
}

FSlateBrush::~FSlateBrush()
{
}

bool FSlateBrush::operator==(const FSlateBrush& Other) const
{
	return ImageSize == Other.ImageSize && DrawAs == Other.DrawAs && Tiling == Other.Tiling && ImageType == Other.ImageType && TintColor == Other.TintColor && ResourceName == Other.ResourceName;
}

FSlateNoResource::FSlateNoResource(const FVector2D& InImageSize)
	: FSlateBrush(ESlateBrushDrawType::NoDrawType, NAME_None, InImageSize, FSlateColor(FLinearColor(1.0f, 1.0f, 1.0f, 1.0f)), ESlateBrushTileType::NoTile, ESlateBrushImageType::NoImage)
{
}

FSlateImageBrush::FSlateImageBrush(const FName& InImageName, const FVector2D& InImageSize, const FLinearColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType)
	: FSlateBrush(ESlateBrushDrawType::Image, InImageName, InImageSize, FSlateColor(InTint), InTiling, InImageType)
{
}

FSlateImageBrush::FSlateImageBrush(const TCHAR* InImageName, const FVector2D& InImageSize, const FLinearColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType)
	: FSlateBrush(ESlateBrushDrawType::Image, FName(InImageName), InImageSize, FSlateColor(InTint), InTiling, InImageType)
{
}

FSlateImageBrush::FSlateImageBrush(const FString& InImageName, const FVector2D& InImageSize, const FLinearColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType)
	: FSlateBrush(ESlateBrushDrawType::Image, FName(*InImageName), InImageSize, FSlateColor(InTint), InTiling, InImageType)
{
}

FSlateImageBrush::FSlateImageBrush(const FName& InImageName, const FVector2D& InImageSize, const FSlateColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType)
	: FSlateBrush(ESlateBrushDrawType::Image, InImageName, InImageSize, InTint, InTiling, InImageType)
{
}

FSlateImageBrush::FSlateImageBrush(const FString& InImageName, const FVector2D& InImageSize, const FSlateColor& InTint, ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType)
	: FSlateBrush(ESlateBrushDrawType::Image, FName(*InImageName), InImageSize, InTint, InTiling, InImageType)
{
}

FSlateVectorImageBrush::FSlateVectorImageBrush(const FName& InImageName, const FVector2D& InImageSize, const FLinearColor& InTint, ESlateBrushTileType::Type InTiling)
	: FSlateBrush(ESlateBrushDrawType::Image, InImageName, InImageSize, FSlateColor(InTint), InTiling, ESlateBrushImageType::Vector)
{
}

FSlateVectorImageBrush::FSlateVectorImageBrush(const FString& InImageName, const FVector2D& InImageSize, const FLinearColor& InTint, ESlateBrushTileType::Type InTiling)
	: FSlateBrush(ESlateBrushDrawType::Image, FName(*InImageName), InImageSize, FSlateColor(InTint), InTiling, ESlateBrushImageType::Vector)
{
}

FSlateVectorImageBrush::FSlateVectorImageBrush(const TCHAR* InImageName, const FVector2D& InImageSize, const FLinearColor& InTint, ESlateBrushTileType::Type InTiling)
	: FSlateBrush(ESlateBrushDrawType::Image, FName(InImageName), InImageSize, FSlateColor(InTint), InTiling, ESlateBrushImageType::Vector)
{
}

const FSlateBrush* FStyleDefaults::GetNoBrush()
{
	static const FSlateNoResource NoBrush;
	return &NoBrush;
}

const FLinearColor& FStyleDefaults::GetColor()
{
	static const FLinearColor DefaultColor(1.0f, 1.0f, 1.0f, 1.0f);
	return DefaultColor;
}

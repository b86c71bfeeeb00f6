// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "EditorUtilityWidget.h"

#include "QuovexEditorUtilityWidget.generated.h"

/** Common parent of the plugin's panels, so native code can name a panel by type. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidget : public UEditorUtilityWidget
{
	GENERATED_BODY()
};

/** Parent of the VP panels. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidgetVP : public UQuovexEditorUtilityWidget
{
	GENERATED_BODY()
};

/** Parent of the VFX panels. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidgetVFX : public UQuovexEditorUtilityWidget
{
	GENERATED_BODY()
};

/** Parent of the Studio panels. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidgetStudio : public UQuovexEditorUtilityWidget
{
	GENERATED_BODY()
};

/** Parent of the ZUZ panels. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidgetZUZ : public UQuovexEditorUtilityWidget
{
	GENERATED_BODY()
};

/** Parent of the XR panels. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidgetXR : public UQuovexEditorUtilityWidget
{
	GENERATED_BODY()
};

/** Parent of the Admin panels. */
UCLASS(BlueprintType, config = Editor)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorUtilityWidgetAdmin : public UQuovexEditorUtilityWidget
{
	GENERATED_BODY()
};

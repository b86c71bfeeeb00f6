// The part of a viewport that decides what it looks at.

#pragma once

#include "CoreMinimal.h"
#include "Editor/UnrealEdTypes.h"
#include "ShowFlags.h"

class SEditorViewport;

/** The view of an editor viewport: its type and its camera location and rotation. */
class UNREALED_API FEditorViewportClient
{
public:
	explicit FEditorViewportClient(ELevelViewportType InViewportType = LVT_Perspective);
	virtual ~FEditorViewportClient();

	FEditorViewportClient(const FEditorViewportClient&) = delete;
	FEditorViewportClient& operator=(const FEditorViewportClient&) = delete;

	/** Returns true if this viewport is perspective. */
	bool IsPerspective() const
	{
		return ViewportType == LVT_Perspective;
	}

	ELevelViewportType GetViewportType() const
	{
		return ViewportType;
	}

	void SetViewportType(ELevelViewportType InViewportType)
	{
		ViewportType = InViewportType;
	}

	/** The camera location of the view. */
	virtual FVector GetViewLocation() const
	{
		return ViewLocation;
	}

	/** The camera rotation of the view. */
	virtual FRotator GetViewRotation() const
	{
		return ViewRotation;
	}

	virtual void SetViewLocation(const FVector& NewLocation)
	{
		ViewLocation = NewLocation;
	}

	virtual void SetViewRotation(const FRotator& NewRotation)
	{
		ViewRotation = NewRotation;
	}

	virtual bool IsLevelEditorClient() const
	{
		return false;
	}

	/** The widget this client's view is shown in, while it lives. */
	TSharedPtr<SEditorViewport> GetEditorViewportWidget() const
	{
		return EditorViewportWidget.Pin();
	}

	/** What the view draws. */
	FEngineShowFlags EngineShowFlags;

protected:
	friend class SEditorViewport;

	TWeakPtr<SEditorViewport> EditorViewportWidget;
	ELevelViewportType ViewportType;
	FVector ViewLocation;
	FRotator ViewRotation;
};

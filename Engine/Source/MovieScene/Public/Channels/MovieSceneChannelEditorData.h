// What the editor shows of a channel: its name, label and group.
#pragma once

#include "CoreMinimal.h"

/** Meta data of one channel of a section (editor only in the engine). */
struct FMovieSceneChannelMetaData
{
	FMovieSceneChannelMetaData()
		: SortOrder(0)
		, bEnabled(true)
	{
	}

	FMovieSceneChannelMetaData(FName InName, FText InDisplayText, FText InGroup = FText(), bool bInEnabled = true)
		: Name(InName)
		, DisplayText(InDisplayText)
		, Group(InGroup)
		, SortOrder(0)
		, bEnabled(bInEnabled)
	{
	}

	/** Unique name of the channel within its section ("Location.X"). */
	FName Name;

	/** Label of the channel. */
	FText DisplayText;

	/** Group the channel is shown in ("Location"). */
	FText Group;

	/** Order of the channel in its group. */
	int32 SortOrder;

	/** Whether the channel is shown and keyable. */
	bool bEnabled;
};

#pragma once

#include "CoreMinimal.h"
#include "LiveLinkPresetTypes.h"
#include "Templates/Function.h"
#include "UObject/Object.h"

#include "LiveLinkPreset.generated.h"

/** A saved LiveLink setup: sources and subjects that can be applied to the client. */
UCLASS(BlueprintType)
class LIVELINK_API ULiveLinkPreset : public UObject
{
	GENERATED_BODY()

public:
	virtual ~ULiveLinkPreset();

	/** The source presets. */
	const TArray<FLiveLinkSourcePreset>& GetSourcePresets() const
	{
		return Sources;
	}

	/** The subject presets. */
	const TArray<FLiveLinkSubjectPreset>& GetSubjectPresets() const
	{
		return Subjects;
	}

	/** Remove all previous sources and subjects and add the sources and subjects from this preset. */
	UFUNCTION(BlueprintCallable, BlueprintPure = false, Category = "LiveLink")
	bool ApplyToClient() const;

	/**
	 * Remove all previous sources and subjects now and add the sources and subjects from this
	 * preset at the end of the frame; the callback then gets whether all of them were added.
	 */
	void ApplyToClientLatent(TFunction<void(bool)> CompletionCallback = nullptr);

	/** Add the sources and subjects from this preset, but leave any existing sources and subjects connected. */
	UFUNCTION(BlueprintCallable, BlueprintPure = false, Category = "LiveLink")
	bool AddToClient(const bool bRecreatePresets = true) const;

	/** Reset this preset and build the list of sources and subjects from the client. */
	UFUNCTION(BlueprintCallable, Category = "LiveLink")
	void BuildFromClient();

protected:
	/** The preset's sources. */
	UPROPERTY(VisibleAnywhere, Category = "LiveLink")
	TArray<FLiveLinkSourcePreset> Sources;

	/** The preset's subjects. */
	UPROPERTY(VisibleAnywhere, Category = "LiveLink")
	TArray<FLiveLinkSubjectPreset> Subjects;

private:
	/** Adds the preset's sources then subjects; existing ones are kept or, with bRecreate, replaced. */
	bool AddPresetsToClient(bool bRecreate) const;
	void FinishApplyToClientLatent();
	void CancelApplyToClientLatent();

	FDelegateHandle ApplyToClientEndFrameHandle;
	TFunction<void(bool)> PendingCompletionCallback;
};

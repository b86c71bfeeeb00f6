// A channel of single-precision keys (a section's weight, float properties).
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneChannel.h"
#include "Channels/MovieSceneChannelData.h"
#include "Channels/MovieSceneCurveChannelCommon.h"
#include "Curves/RealCurve.h"
#include "Curves/RichCurve.h"
#include "Misc/FrameRate.h"
#include "Misc/Optional.h"

#include "MovieSceneFloatChannel.generated.h"

struct FMovieSceneFloatChannel;

template<typename ChannelType>
struct TMovieSceneCurveChannelImpl;

/** One key's value: the value, its tangents, and how the curve leaves it. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneFloatValue
{
	GENERATED_BODY()

	FMovieSceneFloatValue()
		: Value(0.f)
		, InterpMode(RCIM_Cubic)
		, TangentMode(RCTM_Auto)
	{
	}

	explicit FMovieSceneFloatValue(float InValue)
		: Value(InValue)
		, InterpMode(RCIM_Cubic)
		, TangentMode(RCTM_Auto)
	{
	}

	bool operator==(const FMovieSceneFloatValue& Other) const;
	bool operator!=(const FMovieSceneFloatValue& Other) const
	{
		return !(*this == Other);
	}

	UPROPERTY(EditAnywhere, Category = "Key")
	float Value;

	UPROPERTY(EditAnywhere, Category = "Key")
	FMovieSceneTangentData Tangent;

	UPROPERTY(EditAnywhere, Category = "Key")
	TEnumAsByte<ERichCurveInterpMode> InterpMode;

	UPROPERTY(EditAnywhere, Category = "Key")
	TEnumAsByte<ERichCurveTangentMode> TangentMode;
};

extern template struct TMovieSceneChannelData<FMovieSceneFloatValue>;

/** A curve of float keys: sorted key times with a value record per key, and the keys' handle table. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneFloatChannel : public FMovieSceneChannel
{
	GENERATED_BODY()

	typedef float CurveValueType;
	typedef FMovieSceneFloatValue ChannelValueType;

	FMovieSceneFloatChannel();

	/** Mutable access to this channel's keys. */
	TMovieSceneChannelData<FMovieSceneFloatValue> GetData()
	{
		return TMovieSceneChannelData<FMovieSceneFloatValue>(&Times, &Values, &KeyHandles);
	}

	/** Read-only access to this channel's keys. */
	TMovieSceneChannelData<const FMovieSceneFloatValue> GetData() const
	{
		return TMovieSceneChannelData<const FMovieSceneFloatValue>(&Times, &Values);
	}

	TArrayView<const FFrameNumber> GetTimes() const
	{
		return Times;
	}

	TArrayView<const FMovieSceneFloatValue> GetValues() const
	{
		return Values;
	}

	/** Replaces every key (times must be sorted); handles are forgotten. */
	void Set(TArray<FFrameNumber> InTimes, TArray<FMovieSceneFloatValue> InValues);

	int32 AddConstantKey(FFrameNumber InTime, float InValue);
	int32 AddLinearKey(FFrameNumber InTime, float InValue);
	int32 AddCubicKey(FFrameNumber InTime, float InValue, ERichCurveTangentMode TangentMode = RCTM_Auto, const FMovieSceneTangentData& Tangent = FMovieSceneTangentData());

	/** Recomputes the tangents of every key in automatic tangent mode; Tension 0 gives the smoothest curve. */
	void AutoSetTangents(float Tension);

	void SetDefault(float InDefaultValue);
	TOptional<float> GetDefault() const;
	void RemoveDefault();

	FFrameRate GetTickResolution() const
	{
		return TickResolution;
	}

	void SetTickResolution(FFrameRate InTickResolution)
	{
		TickResolution = InTickResolution;
	}

	virtual int32 GetNumKeys() const override;
	virtual FKeyHandle GetHandle(int32 Index) override;
	virtual int32 GetIndex(FKeyHandle Handle) override;
	virtual void DeleteKeys(TArrayView<const FKeyHandle> InHandles) override;
	virtual void Reset() override;

	/** Text form of the channel's keys (asset files, copy and paste). */
	bool ExportTextItem(FString& ValueStr, const FMovieSceneFloatChannel& DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const;
	bool ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText);
	bool Identical(const FMovieSceneFloatChannel* Other, uint32 PortFlags) const;

	/** Pre-infinity extrapolation state. */
	UPROPERTY()
	TEnumAsByte<ERichCurveExtrapolation> PreInfinityExtrap;

	/** Post-infinity extrapolation state. */
	UPROPERTY()
	TEnumAsByte<ERichCurveExtrapolation> PostInfinityExtrap;

private:
	friend struct TMovieSceneCurveChannelImpl<FMovieSceneFloatChannel>;

	/** Sorted key times. */
	TArray<FFrameNumber> Times;

	/** Array of values that correspond to each key time. */
	TArray<FMovieSceneFloatValue> Values;

	/** Value used when there are no keys. */
	float DefaultValue;

	bool bHasDefaultValue;

	/** Handles of the keys; never saved with the asset. */
	FMovieSceneKeyHandleMap KeyHandles;

	/** The tick resolution the key times count in. */
	FFrameRate TickResolution;
};

template<>
struct TStructOpsTypeTraits<FMovieSceneFloatChannel> : public TStructOpsTypeTraitsBase2<FMovieSceneFloatChannel>
{
	enum
	{
		WithIdentical = true,
		WithExportTextItem = true,
		WithImportTextItem = true,
	};
};

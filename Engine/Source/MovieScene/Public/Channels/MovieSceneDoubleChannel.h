// A channel of double-precision keys (transform sections keep their location, rotation and scale in these).
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneChannel.h"
#include "Channels/MovieSceneChannelData.h"
#include "Channels/MovieSceneCurveChannelCommon.h"
#include "Curves/RealCurve.h"
#include "Curves/RichCurve.h"
#include "Misc/FrameRate.h"
#include "Misc/Optional.h"

#include "MovieSceneDoubleChannel.generated.h"

struct FMovieSceneDoubleChannel;

template<typename ChannelType>
struct TMovieSceneCurveChannelImpl;

/** One key's value: the value, its tangents, and how the curve leaves it. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneDoubleValue
{
	GENERATED_BODY()

	FMovieSceneDoubleValue()
		: Value(0.0)
		, InterpMode(RCIM_Cubic)
		, TangentMode(RCTM_Auto)
	{
	}

	explicit FMovieSceneDoubleValue(double InValue)
		: Value(InValue)
		, InterpMode(RCIM_Cubic)
		, TangentMode(RCTM_Auto)
	{
	}

	bool operator==(const FMovieSceneDoubleValue& Other) const;
	bool operator!=(const FMovieSceneDoubleValue& Other) const
	{
		return !(*this == Other);
	}

	UPROPERTY(EditAnywhere, Category = "Key")
	double Value;

	UPROPERTY(EditAnywhere, Category = "Key")
	FMovieSceneTangentData Tangent;

	UPROPERTY(EditAnywhere, Category = "Key")
	TEnumAsByte<ERichCurveInterpMode> InterpMode;

	UPROPERTY(EditAnywhere, Category = "Key")
	TEnumAsByte<ERichCurveTangentMode> TangentMode;
};

extern template struct TMovieSceneChannelData<FMovieSceneDoubleValue>;

/** A curve of double keys: sorted key times with a value record per key, and the keys' handle table. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneDoubleChannel : public FMovieSceneChannel
{
	GENERATED_BODY()

	typedef double CurveValueType;
	typedef FMovieSceneDoubleValue ChannelValueType;

	FMovieSceneDoubleChannel();

	/** Mutable access to this channel's keys. */
	TMovieSceneChannelData<FMovieSceneDoubleValue> GetData()
	{
		return TMovieSceneChannelData<FMovieSceneDoubleValue>(&Times, &Values, &KeyHandles);
	}

	/** Read-only access to this channel's keys. */
	TMovieSceneChannelData<const FMovieSceneDoubleValue> GetData() const
	{
		return TMovieSceneChannelData<const FMovieSceneDoubleValue>(&Times, &Values);
	}

	TArrayView<const FFrameNumber> GetTimes() const
	{
		return Times;
	}

	TArrayView<const FMovieSceneDoubleValue> GetValues() const
	{
		return Values;
	}

	/** Replaces every key (times must be sorted); handles are forgotten. */
	void Set(TArray<FFrameNumber> InTimes, TArray<FMovieSceneDoubleValue> InValues);

	int32 AddConstantKey(FFrameNumber InTime, double InValue);
	int32 AddLinearKey(FFrameNumber InTime, double InValue);
	int32 AddCubicKey(FFrameNumber InTime, double InValue, ERichCurveTangentMode TangentMode = RCTM_Auto, const FMovieSceneTangentData& Tangent = FMovieSceneTangentData());

	/** Recomputes the tangents of every key in automatic tangent mode; Tension 0 gives the smoothest curve. */
	void AutoSetTangents(float Tension);

	void SetDefault(double InDefaultValue);
	TOptional<double> GetDefault() const;
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
	bool ExportTextItem(FString& ValueStr, const FMovieSceneDoubleChannel& DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const;
	bool ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText);
	bool Identical(const FMovieSceneDoubleChannel* Other, uint32 PortFlags) const;

	/** Pre-infinity extrapolation state. */
	UPROPERTY()
	TEnumAsByte<ERichCurveExtrapolation> PreInfinityExtrap;

	/** Post-infinity extrapolation state. */
	UPROPERTY()
	TEnumAsByte<ERichCurveExtrapolation> PostInfinityExtrap;

private:
	friend struct TMovieSceneCurveChannelImpl<FMovieSceneDoubleChannel>;

	/** Sorted key times. */
	TArray<FFrameNumber> Times;

	/** Array of values that correspond to each key time. */
	TArray<FMovieSceneDoubleValue> Values;

	/** Value used when there are no keys. */
	double DefaultValue;

	bool bHasDefaultValue;

	/** Handles of the keys; never saved with the asset. */
	FMovieSceneKeyHandleMap KeyHandles;

	/** The tick resolution the key times count in. */
	FFrameRate TickResolution;
};

template<>
struct TStructOpsTypeTraits<FMovieSceneDoubleChannel> : public TStructOpsTypeTraitsBase2<FMovieSceneDoubleChannel>
{
	enum
	{
		WithIdentical = true,
		WithExportTextItem = true,
		WithImportTextItem = true,
	};
};

#!/usr/bin/perl
# Gives help2man's page Danish headings: the program's usage line starts with
# "Brug:", which help2man does not know, and its date is English.
# perl manside.pl ÅÅÅÅ-MM-DD dagbog.1
use strict;
use warnings;
my ($dato, $fil) = @ARGV;
local $/;
open(my $ind, '<', $fil) or die "$fil: $!";
my $side = <$ind>;
close($ind);
$side =~ s/^(\.TH \S+ \S+) "[^"]*"/$1 "$dato"/m;
$side =~ s/^\.SH NAME$/.SH NAVN/m;
$side =~ s/^\.SH DESCRIPTION\nBrug: (\S+) (.*)\n/.SH SYNOPSIS\n.B $1\n$2\n.SH BESKRIVELSE\n/m;
open(my $ud, '>', $fil) or die "$fil: $!";
print $ud $side;
close($ud);
